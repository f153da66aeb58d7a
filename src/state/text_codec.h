#pragma once

#include <string>
#include <string_view>

namespace zekra {

// Texts live in memory as UTF-8 and in record files in the Japanese code page
// CP932 (Shift-JIS with the vendor extensions the game's texts use: "Ⅰ",
// "①", "～", half-width katakana).

// A character CP932 cannot hold (or a malformed UTF-8 sequence) becomes "?".
std::string encodeCp932(std::string_view utf8);

// Bytes that are not valid CP932 become U+FFFD.
std::string decodeCp932(std::string_view cp932);

// Whether every character of the text has a CP932 form.
bool cp932CanHold(std::string_view utf8);

// The number of characters (code points) of a UTF-8 text.
std::size_t characterCount(std::string_view utf8);

}  // namespace zekra
