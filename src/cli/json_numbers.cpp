#include "cli/json_numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace zekra::cli {

nlohmann::ordered_json realToJson(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
  return value;
}

// The double nearest the float's shortest decimal form prints as that form.
nlohmann::ordered_json singleToJson(float value) {
  if (!std::isfinite(value)) return realToJson(static_cast<double>(value));
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  double shortest = 0.0;
  std::from_chars(buffer, end, shortest);
  return shortest;
}

bool realFromJson(const nlohmann::ordered_json& json, double& value) {
  if (json.is_number()) {
    value = json.get<double>();
    return true;
  }
  if (!json.is_string()) return false;
  const auto& word = json.get_ref<const std::string&>();
  if (word == "NaN") {
    value = std::numeric_limits<double>::quiet_NaN();
  } else if (word == "Infinity") {
    value = std::numeric_limits<double>::infinity();
  } else if (word == "-Infinity") {
    value = -std::numeric_limits<double>::infinity();
  } else {
    return false;
  }
  return true;
}

}  // namespace zekra::cli
