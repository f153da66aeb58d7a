#pragma once

#include <stdexcept>

#include <nlohmann/json.hpp>

#include "state/zekra_record.h"

namespace zekra::cli {

// A record as JSON: the fields in declared order under their own names,
// `Facilities` and `AbilityBlock` as nested objects, `GradeRecord` and
// `CrownProgress` as arrays of rows, texts as UTF-8, a Number as null (empty)
// or {"type": "Integer"|"Long"|"Single"|"Double", "value": …}. Reals print
// in their shortest round-trip form (a Single in single precision); values
// that are not finite are the strings "NaN", "Infinity" and "-Infinity".
nlohmann::ordered_json recordToJson(const ZekraRecord& record);

// Input that does not describe a record: says which key and why.
class RecordJsonError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The inverse of recordToJson. Every key must be present and no other; every
// value must fit its field, and every text must have a CP932 form that fits a
// record file.
ZekraRecord recordFromJson(const nlohmann::ordered_json& json);

}  // namespace zekra::cli
