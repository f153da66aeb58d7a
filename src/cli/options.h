#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "state/rng.h"
#include "state/zekra_record.h"

namespace zekra::cli {

// A record file the tool is asked to read. It must exist: the game's own
// "missing reads empty" is for its autosave. Throws BadInput.
ZekraRecord readExistingRecord(const std::string& file);

// A whole decimal integer in [low, high]; `what` names it in the message.
long long parseInteger(std::string_view text, std::string_view what, long long low, long long high);

// --seed N: a non-negative decimal integer of up to 64 bits.
std::uint64_t parseSeed(std::string_view text);

// A list of draws: decimal numbers in [0, 1), separated by commas (and, when
// `whitespaceToo`, by blanks and line breaks). Each is taken as the
// generator's single-precision value; one that rounds up to 1 is refused.
std::vector<float> parseDraws(std::string_view text, bool whitespaceToo = false);

// The generator a command runs on: seeded (--seed) or scripted (--draws).
// A scripted one that runs out raises DrawsExhausted, which `run` reports as
// bad input with exit status 2.
class GeneratorChoice {
 public:
  static GeneratorChoice seeded(std::uint64_t seed);
  static GeneratorChoice scripted(std::vector<float> draws);

  Rng& rng() { return *rng_; }
  std::size_t drawsUsed() const { return rng_->drawsUsed(); }
  bool isScripted() const { return scripted_; }

 private:
  GeneratorChoice(std::unique_ptr<Rng> rng, bool scripted)
      : rng_(std::move(rng)), scripted_(scripted) {}

  std::unique_ptr<Rng> rng_;
  bool scripted_;
};

}  // namespace zekra::cli
