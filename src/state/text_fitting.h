#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "state/record_fields.h"

namespace zekra {

// The longest text a record file can hold: its length is a 2-byte count.
inline constexpr std::size_t kMaxRecordTextBytes = 65535;

// Shortens the CP932 bytes of a text to fit a record file. The two logs are
// newest first, so they lose whole entries from their end (the oldest);
// other texts, or a log whose newest entry alone is too long, are cut at a
// character boundary. Bytes that fit are returned unchanged.
std::string fitRecordText(std::string_view cp932, TextKind kind);

}  // namespace zekra
