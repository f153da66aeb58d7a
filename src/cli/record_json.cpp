#include "cli/record_json.h"

#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "cli/json_numbers.h"
#include "state/record_fields.h"
#include "state/text_codec.h"
#include "state/text_fitting.h"

namespace zekra::cli {

namespace {

using Json = nlohmann::ordered_json;

Json numberToJson(const Number& number) {
  Json value;
  switch (number.type()) {
    case Number::Type::Empty: return nullptr;
    case Number::Type::Integer: value = number.integerValue(); break;
    case Number::Type::Long: value = number.longValue(); break;
    case Number::Type::Single: value = singleToJson(number.singleValue()); break;
    case Number::Type::Double: value = realToJson(number.doubleValue()); break;
  }
  Json object = Json::object();
  object["type"] = typeName(number.type());
  object["value"] = std::move(value);
  return object;
}

class JsonWriter {
 public:
  explicit JsonWriter(Json& root) : current_(&root) {}

  void integer(const char* name, const Integer& value) { (*current_)[name] = value; }
  void real(const char* name, const double& value) { (*current_)[name] = realToJson(value); }
  void number(const char* name, const Number& value) { (*current_)[name] = numberToJson(value); }
  void text(const char* name, const std::string& value, TextKind) { (*current_)[name] = value; }

  template <std::size_t N>
  void integers(const char* name, const std::array<Integer, N>& values) {
    (*current_)[name] = values;
  }

  template <std::size_t C, std::size_t R>
  void integerRows(const char* name, const std::array<std::array<Integer, C>, R>& rows) {
    (*current_)[name] = rows;
  }

  template <std::size_t N>
  void texts(const char* name, const std::array<std::string, N>& values) {
    (*current_)[name] = values;
  }

  template <class Body>
  void group(const char* name, Body&& body) {
    Json* outer = current_;
    (*outer)[name] = Json::object();
    current_ = &(*outer)[name];
    body();
    current_ = outer;
  }

 private:
  Json* current_;
};

class JsonReader {
 public:
  explicit JsonReader(const Json& root) { enter(root, ""); }

  void integer(const char* name, Integer& value) { value = integerFrom(field(name), path(name)); }

  void real(const char* name, double& value) { value = realFrom(field(name), path(name)); }

  void number(const char* name, Number& value) { value = numberFrom(field(name), path(name)); }

  void text(const char* name, std::string& value, TextKind) {
    value = textFrom(field(name), path(name));
  }

  template <std::size_t N>
  void integers(const char* name, std::array<Integer, N>& values) {
    const Json& array = arrayOf(field(name), path(name), N);
    for (std::size_t i = 0; i < N; ++i) values[i] = integerFrom(array[i], indexed(path(name), i));
  }

  template <std::size_t C, std::size_t R>
  void integerRows(const char* name, std::array<std::array<Integer, C>, R>& rows) {
    const Json& array = arrayOf(field(name), path(name), R);
    for (std::size_t r = 0; r < R; ++r) {
      const std::string rowPath = indexed(path(name), r);
      const Json& row = arrayOf(array[r], rowPath, C);
      for (std::size_t c = 0; c < C; ++c) rows[r][c] = integerFrom(row[c], indexed(rowPath, c));
    }
  }

  template <std::size_t N>
  void texts(const char* name, std::array<std::string, N>& values) {
    const Json& array = arrayOf(field(name), path(name), N);
    for (std::size_t i = 0; i < N; ++i) values[i] = textFrom(array[i], indexed(path(name), i));
  }

  template <class Body>
  void group(const char* name, Body&& body) {
    const Json& nested = field(name);
    Scope outer = scope_;
    enter(nested, path(name));
    body();
    finish();
    scope_ = outer;
  }

  // Every key of the current object was a field.
  void finish() {
    for (const auto& item : scope_.object->items()) {
      if (scope_.seen.count(item.key()) == 0)
        fail(path(item.key().c_str()), "is not a field of the record");
    }
  }

 private:
  struct Scope {
    const Json* object = nullptr;
    std::string prefix;
    std::set<std::string> seen;
  };

  [[noreturn]] static void fail(const std::string& where, const std::string& what) {
    throw RecordJsonError(where.empty() ? what : "'" + where + "' " + what);
  }

  void enter(const Json& object, std::string prefix) {
    if (!object.is_object()) fail(prefix, "must be a JSON object");
    scope_ = Scope{&object, std::move(prefix), {}};
  }

  std::string path(const char* name) const {
    return scope_.prefix.empty() ? name : scope_.prefix + "." + name;
  }

  static std::string indexed(const std::string& where, std::size_t index) {
    return where + "[" + std::to_string(index) + "]";
  }

  const Json& field(const char* name) {
    const auto found = scope_.object->find(name);
    if (found == scope_.object->end()) fail(path(name), "is missing");
    scope_.seen.insert(name);
    return *found;
  }

  static const Json& arrayOf(const Json& value, const std::string& where, std::size_t size) {
    if (!value.is_array() || value.size() != size) {
      fail(where, "must be an array of " + std::to_string(size));
    }
    return value;
  }

  template <class T>
  static T wholeFrom(const Json& value, const std::string& where, const char* kind) {
    const long long low = std::numeric_limits<T>::min();
    const long long high = std::numeric_limits<T>::max();
    const std::string range = " (" + std::to_string(low) + ".." + std::to_string(high) + ")";
    if (value.is_number_unsigned()) {
      const auto whole = value.get<unsigned long long>();
      if (whole > static_cast<unsigned long long>(high))
        fail(where, "is out of range for " + std::string(kind) + range);
      return static_cast<T>(whole);
    }
    if (!value.is_number_integer()) fail(where, "must be a whole number" + range);
    const auto whole = value.get<long long>();
    if (whole < low || whole > high)
      fail(where, "is out of range for " + std::string(kind) + range);
    return static_cast<T>(whole);
  }

  static Integer integerFrom(const Json& value, const std::string& where) {
    return wholeFrom<Integer>(value, where, "an Integer");
  }

  static double realFrom(const Json& value, const std::string& where) {
    double real = 0.0;
    if (!realFromJson(value, real)) {
      fail(where, "must be a number, \"NaN\", \"Infinity\" or \"-Infinity\"");
    }
    return real;
  }

  static float singleFrom(const Json& value, const std::string& where) {
    const double real = realFrom(value, where);
    if (std::isfinite(real) &&
        std::fabs(real) > static_cast<double>(std::numeric_limits<float>::max())) {
      fail(where, "is out of range for a Single");
    }
    return static_cast<float>(real);
  }

  static Number numberFrom(const Json& value, const std::string& where) {
    if (value.is_null()) return Number();
    if (!value.is_object() || value.size() != 2 || !value.contains("type") ||
        !value.contains("value")) {
      fail(where, "must be null or an object with exactly \"type\" and \"value\"");
    }
    const Json& type = value["type"];
    const Json& content = value["value"];
    const std::string valuePath = where + ".value";
    if (type == "Integer") return Number::ofInteger(integerFrom(content, valuePath));
    if (type == "Long")
      return Number::ofLong(wholeFrom<std::int32_t>(content, valuePath, "a Long"));
    if (type == "Single") return Number::ofSingle(singleFrom(content, valuePath));
    if (type == "Double") return Number::ofDouble(realFrom(content, valuePath));
    fail(where + ".type", "must be \"Integer\", \"Long\", \"Single\" or \"Double\"");
  }

  static std::string textFrom(const Json& value, const std::string& where) {
    if (!value.is_string()) fail(where, "must be a string");
    const auto& text = value.get_ref<const std::string&>();
    if (!cp932CanHold(text)) fail(where, "holds a character that CP932 cannot hold");
    if (encodeCp932(text).size() > kMaxRecordTextBytes) {
      fail(where, "is longer than a record file can hold (" + std::to_string(kMaxRecordTextBytes) +
                      " bytes)");
    }
    return text;
  }

  Scope scope_;
};

}  // namespace

Json recordToJson(const ZekraRecord& record) {
  Json json = Json::object();
  JsonWriter writer(json);
  visitRecordFields(record, writer);
  return json;
}

ZekraRecord recordFromJson(const Json& json) {
  ZekraRecord record;
  JsonReader reader(json);
  visitRecordFields(record, reader);
  reader.finish();
  return record;
}

}  // namespace zekra::cli
