// Feeds arbitrary bytes to the record reader. Whatever the bytes, reading must
// not crash or read out of bounds, and what was read must write back and read
// again to the same record (the writer only ever produces valid files).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "state/record_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const zekra::ZekraRecord record = zekra::decodeRecord(std::span(data, size));
  const std::vector<std::uint8_t> bytes = zekra::encodeRecord(record);
  const zekra::ZekraRecord again = zekra::decodeRecord(bytes);
  // A damaged file may hold a NaN, which never equals itself; compare bytes.
  if (zekra::encodeRecord(again) != bytes) std::abort();
  return 0;
}
