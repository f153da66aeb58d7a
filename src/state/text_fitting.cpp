#include "state/text_fitting.h"

#include <cctype>

#include "state/text_codec.h"

namespace zekra {

namespace {

bool isLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Skips one or more decimal digits at `position`; false when there are none.
bool skipDigits(std::string_view bytes, std::size_t& position) {
  const std::size_t start = position;
  while (position < bytes.size() && std::isdigit(static_cast<unsigned char>(bytes[position]))) {
    ++position;
  }
  return position > start;
}

bool skipText(std::string_view bytes, std::size_t& position, std::string_view text) {
  if (bytes.substr(position, text.size()) != text) return false;
  position += text.size();
  return true;
}

// " 5 週目" or "-1 週目" and a line break: the first line of a week's entry.
bool startsTrainingEntry(std::string_view bytes, std::size_t position) {
  static const std::string weekSuffix = encodeCp932(" 週目\r\n");
  if (position >= bytes.size() || (bytes[position] != ' ' && bytes[position] != '-')) return false;
  ++position;
  return skipDigits(bytes, position) && skipText(bytes, position, weekSuffix);
}

// "第12週" and a line break: the first line of a race's entry.
bool startsRaceEntry(std::string_view bytes, std::size_t position) {
  static const std::string prefix = encodeCp932("第");
  static const std::string suffix = encodeCp932("週\r\n");
  if (!skipText(bytes, position, prefix)) return false;
  if (position < bytes.size() && bytes[position] == '-') ++position;
  return skipDigits(bytes, position) && skipText(bytes, position, suffix);
}

bool startsEntry(std::string_view bytes, std::size_t position, TextKind kind) {
  return kind == TextKind::TrainingLog ? startsTrainingEntry(bytes, position)
                                       : startsRaceEntry(bytes, position);
}

// The end of the longest run of whole entries that fits, or 0 if none does.
// Entries begin at the start of a line; CR LF never occurs inside a CP932
// double-byte character, so line starts can be found in the bytes.
std::size_t wholeEntriesEnd(std::string_view bytes, TextKind kind) {
  std::size_t best = 0;
  for (std::size_t position = 2; position <= kMaxRecordTextBytes; ++position) {
    if (bytes[position - 2] == '\r' && bytes[position - 1] == '\n' &&
        startsEntry(bytes, position, kind)) {
      best = position;
    }
  }
  return best;
}

std::size_t characterBoundaryEnd(std::string_view bytes) {
  std::size_t position = 0;
  while (true) {
    const std::size_t width =
        isLeadByte(static_cast<unsigned char>(bytes[position])) && position + 1 < bytes.size() ? 2
                                                                                               : 1;
    if (position + width > kMaxRecordTextBytes) return position;
    position += width;
  }
}

}  // namespace

std::string fitRecordText(std::string_view cp932, TextKind kind) {
  if (cp932.size() <= kMaxRecordTextBytes) return std::string(cp932);
  std::size_t end = 0;
  if (kind != TextKind::Plain) end = wholeEntriesEnd(cp932, kind);
  if (end == 0) end = characterBoundaryEnd(cp932);
  return std::string(cp932.substr(0, end));
}

}  // namespace zekra
