#include "state/text_codec.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace zekra {

namespace {

// glibc must be asked for "CP932": its "SHIFT_JIS" lacks "Ⅰ", "①" and "～".
class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
    // iconv_open reports failure as the handle (iconv_t)-1.
    if (handle_ == reinterpret_cast<iconv_t>(-1)) {  // NOLINT(performance-no-int-to-ptr)
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(handle_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts as much of `input` as it can, appending to `output`. False when
  // it stopped at an invalid or incomplete sequence, where `input` is left.
  bool convert(std::string_view& input, std::string& output) {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    char buffer[1024];
    while (!input.empty()) {
      char* in = const_cast<char*>(input.data());
      std::size_t inLeft = input.size();
      char* out = buffer;
      std::size_t outLeft = sizeof buffer;
      const bool stopped =
          iconv(handle_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1);
      const bool bufferFull = stopped && errno == E2BIG;
      output.append(buffer, static_cast<std::size_t>(out - buffer));
      input.remove_prefix(input.size() - inLeft);
      if (stopped && !bufferFull) return false;
    }
    return true;
  }

 private:
  iconv_t handle_;
};

Converter& toCp932() {
  thread_local Converter converter("CP932", "UTF-8");
  return converter;
}

Converter& fromCp932() {
  thread_local Converter converter("UTF-8", "CP932");
  return converter;
}

// Drops the character at the front of a UTF-8 text: its lead byte and the
// continuation bytes that belong to it, so a malformed sequence never eats
// the character after it.
void dropFirstCharacter(std::string_view& utf8) {
  const auto lead = static_cast<unsigned char>(utf8.front());
  std::size_t length = 1;
  if (lead >= 0xF0) {
    length = 4;
  } else if (lead >= 0xE0) {
    length = 3;
  } else if (lead >= 0xC0) {
    length = 2;
  }
  std::size_t taken = 1;
  while (taken < length && taken < utf8.size() &&
         (static_cast<unsigned char>(utf8[taken]) & 0xC0) == 0x80) {
    ++taken;
  }
  utf8.remove_prefix(taken);
}

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

}  // namespace

std::string encodeCp932(std::string_view utf8) {
  std::string output;
  output.reserve(utf8.size());
  while (!toCp932().convert(utf8, output)) {
    output += '?';
    dropFirstCharacter(utf8);
  }
  return output;
}

std::string decodeCp932(std::string_view cp932) {
  std::string output;
  output.reserve(cp932.size() * 3 / 2);
  while (!fromCp932().convert(cp932, output)) {
    output += kReplacementCharacter;
    // A lead byte whose partner is no valid trail byte leaves the partner to
    // be read on its own, as a decoder that resynchronises would.
    cp932.remove_prefix(1);
  }
  return output;
}

bool cp932CanHold(std::string_view utf8) {
  std::string output;
  return toCp932().convert(utf8, output);
}

std::size_t characterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (const char byte : utf8) {
    if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace zekra
