#include "state/rng.h"

#include <chrono>
#include <string>
#include <utility>

namespace zekra {

namespace {

// SplitMix64 spreads any seed, even 0, over the generator's whole state.
std::uint64_t splitMix64(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

std::uint64_t rotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

std::uint64_t clockSeed() {
  return static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace

SeededRng::SeededRng(std::uint64_t seed) : SeededRng(seed, true) {}

SeededRng::SeededRng(std::uint64_t seedValue, bool fixedSeed) : fixedSeed_(fixedSeed) {
  seed(seedValue);
}

SeededRng SeededRng::fromClock() { return SeededRng(clockSeed(), false); }

void SeededRng::seed(std::uint64_t seedValue) {
  state_[0] = splitMix64(seedValue);
  state_[1] = splitMix64(seedValue);
}

// xoroshiro128+; the top 24 bits make a float that is exactly representable
// and strictly below 1.
float SeededRng::next() {
  const std::uint64_t s0 = state_[0];
  std::uint64_t s1 = state_[1];
  const std::uint64_t result = s0 + s1;
  s1 ^= s0;
  state_[0] = rotateLeft(s0, 24) ^ s1 ^ (s1 << 16);
  state_[1] = rotateLeft(s1, 37);
  ++drawsUsed_;
  return static_cast<float>(result >> 40) * 0x1.0p-24F;
}

void SeededRng::reseedFromClock() {
  if (!fixedSeed_) seed(clockSeed());
}

DrawsExhausted::DrawsExhausted(std::size_t drawsGiven)
    : std::runtime_error("the scripted draws ran out after " + std::to_string(drawsGiven) +
                         " draws"),
      drawsGiven_(drawsGiven) {}

ScriptedRng::ScriptedRng(std::vector<float> draws) : draws_(std::move(draws)) {}

float ScriptedRng::next() {
  if (position_ == draws_.size()) throw DrawsExhausted(draws_.size());
  return draws_[position_++];
}

}  // namespace zekra
