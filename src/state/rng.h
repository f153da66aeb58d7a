#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace zekra {

// The one source of randomness: every r of the rules is one next() call.
class Rng {
 public:
  virtual ~Rng() = default;
  // A uniform draw in [0, 1), single precision.
  virtual float next() = 0;
  // The rules that reseed from the clock call this; it never draws.
  virtual void reseedFromClock() = 0;
  // How many draws next() has handed out so far.
  virtual std::size_t drawsUsed() const = 0;
};

// The game's generator. Built from the clock for play; built from a fixed
// seed (tests, zekra-cli --seed) it ignores reseeding, so a seed always
// replays the same game.
class SeededRng final : public Rng {
 public:
  explicit SeededRng(std::uint64_t seed);
  static SeededRng fromClock();

  float next() override;
  void reseedFromClock() override;
  std::size_t drawsUsed() const override { return drawsUsed_; }

 private:
  SeededRng(std::uint64_t seed, bool fixedSeed);
  void seed(std::uint64_t seed);

  std::uint64_t state_[2] = {};
  bool fixedSeed_;
  std::size_t drawsUsed_ = 0;
};

// Raised when a scripted generator is asked for more draws than it was given.
class DrawsExhausted : public std::runtime_error {
 public:
  explicit DrawsExhausted(std::size_t drawsGiven);
  std::size_t drawsGiven() const { return drawsGiven_; }

 private:
  std::size_t drawsGiven_;
};

// Hands out exactly the draws it was given, in order, for tests and for
// zekra-cli's --draws; a reseed takes no draw.
class ScriptedRng final : public Rng {
 public:
  explicit ScriptedRng(std::vector<float> draws);

  float next() override;
  void reseedFromClock() override {}
  std::size_t drawsUsed() const override { return position_; }
  std::size_t drawsLeft() const { return draws_.size() - position_; }

 private:
  std::vector<float> draws_;
  std::size_t position_ = 0;
};

}  // namespace zekra
