#pragma once

#include <nlohmann/json.hpp>

namespace zekra::cli {

// Reals in zekra-cli's JSON. A finite value is a JSON number in its shortest
// round-trip form; NaN and the infinities are the strings "NaN", "Infinity"
// and "-Infinity".
nlohmann::ordered_json realToJson(double value);

// A single-precision value printed in its shortest single-precision form, so
// the Single 0.1 reads "0.1" rather than its exact binary value.
nlohmann::ordered_json singleToJson(float value);

// The inverse of realToJson; false for anything else.
bool realFromJson(const nlohmann::ordered_json& json, double& value);

}  // namespace zekra::cli
