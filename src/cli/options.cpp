#include "cli/options.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <system_error>
#include <utility>

#include "cli/cli_error.h"
#include "state/record_file.h"

namespace zekra::cli {

ZekraRecord readExistingRecord(const std::string& file) {
  std::error_code error;
  const auto status = std::filesystem::status(file, error);
  if (!std::filesystem::exists(status)) throw BadInput(file + ": no such file");
  if (!std::filesystem::is_regular_file(status)) throw BadInput(file + ": not a record file");
  try {
    return ReadRecord(file);
  } catch (const RecordFileError& failure) {
    throw BadInput(failure.what());
  }
}

long long parseInteger(std::string_view text, std::string_view what, long long low,
                       long long high) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  const std::string shown = std::string(what) + " '" + std::string(text) + "'";
  if (text.empty() || error == std::errc::invalid_argument || end != text.data() + text.size()) {
    throw BadInput(shown + " is not a whole number");
  }
  if (error == std::errc::result_out_of_range || value < low || value > high) {
    throw BadInput(shown + " is out of range (" + std::to_string(low) + ".." +
                   std::to_string(high) + ")");
  }
  return value;
}

std::uint64_t parseSeed(std::string_view text) {
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
    throw BadInput("seed '" + std::string(text) +
                   "' is not a whole number in 0..18446744073709551615");
  }
  return value;
}

namespace {

bool isSeparator(char c, bool whitespaceToo) {
  if (c == ',') return true;
  return whitespaceToo && (c == ' ' || c == '\t' || c == '\n' || c == '\r');
}

float parseDraw(std::string_view text, std::size_t position) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  const auto draw = static_cast<float>(value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
      !std::isfinite(value) || value < 0 || draw >= 1.0F) {
    throw BadInput("draw " + std::to_string(position) + " '" + std::string(text) +
                   "' is not a number in [0, 1)");
  }
  return draw;
}

}  // namespace

std::vector<float> parseDraws(std::string_view text, bool whitespaceToo) {
  std::vector<float> draws;
  std::size_t start = 0;
  // With white space allowed, runs of separators count as one; with commas
  // only, every comma separates two draws, so "0.1,,0.2" names an empty one.
  while (start <= text.size()) {
    if (whitespaceToo) {
      while (start < text.size() && isSeparator(text[start], true)) ++start;
      if (start == text.size()) break;
    }
    std::size_t end = start;
    while (end < text.size() && !isSeparator(text[end], whitespaceToo)) ++end;
    draws.push_back(parseDraw(text.substr(start, end - start), draws.size() + 1));
    if (end == text.size()) break;
    start = end + 1;
  }
  return draws;
}

GeneratorChoice GeneratorChoice::seeded(std::uint64_t seed) {
  return GeneratorChoice(std::make_unique<SeededRng>(seed), false);
}

GeneratorChoice GeneratorChoice::scripted(std::vector<float> draws) {
  return GeneratorChoice(std::make_unique<ScriptedRng>(std::move(draws)), true);
}

}  // namespace zekra::cli
