#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <vector>

#include "state/zekra_record.h"

namespace zekra {

// A record file that could not be opened, read or written.
class RecordFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The largest record a file can hold (every text at its longest, every number
// a Double); bytes beyond it are never read.
inline constexpr std::size_t kMaxRecordBytes = 316 + 9 * 65535 + 3 * 8;

// The record's bytes: the fields in order, little-endian, no padding. Texts
// are CP932 behind a 2-byte length (a character CP932 cannot hold becomes
// "?", an over-long text is shortened, see text_fitting.h); a Number is its
// 2-byte type code and its value.
std::vector<std::uint8_t> encodeRecord(const ZekraRecord& record);

// Reads a record from the start of `bytes`. Nothing in them is trusted: fields
// past the end read as zero/empty, and from an unknown Number type code or a
// text length that runs past the end on, the bytes count as damaged and every
// remaining field reads as zero/empty. Invalid CP932 reads as U+FFFD.
ZekraRecord decodeRecord(std::span<const std::uint8_t> bytes);

// A missing file reads as the all-zero record (it is not created); a file that
// exists but cannot be read throws RecordFileError.
ZekraRecord ReadRecord(const std::filesystem::path& path);

// Writes atomically: a temporary file in the same folder is written, flushed
// and renamed over `path`, so a crash never leaves half a record. Throws
// RecordFileError; on failure `path` is untouched.
void WriteRecord(const std::filesystem::path& path, const ZekraRecord& record);

}  // namespace zekra
