#include <bit>
#include <cstring>
#include <string>
#include <type_traits>

#include "state/record_fields.h"
#include "state/record_file.h"
#include "state/text_codec.h"
#include "state/text_fitting.h"

namespace zekra {

namespace {

static_assert(std::endian::native == std::endian::little,
              "the record file is little-endian and is copied byte for byte");

class RecordWriter {
 public:
  explicit RecordWriter(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

  void integer(const char*, const Integer& value) { put(value); }
  void real(const char*, const double& value) { put(value); }

  void number(const char*, const Number& value) {
    put(static_cast<std::uint16_t>(value.type()));
    switch (value.type()) {
      case Number::Type::Empty: break;
      case Number::Type::Integer: put(value.integerValue()); break;
      case Number::Type::Long: put(value.longValue()); break;
      case Number::Type::Single: put(value.singleValue()); break;
      case Number::Type::Double: put(value.doubleValue()); break;
    }
  }

  void text(const char*, const std::string& value, TextKind kind) {
    const std::string bytes = fitRecordText(encodeCp932(value), kind);
    put(static_cast<std::uint16_t>(bytes.size()));
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  }

  template <std::size_t N>
  void integers(const char* name, const std::array<Integer, N>& values) {
    for (const Integer& value : values) integer(name, value);
  }

  template <std::size_t C, std::size_t R>
  void integerRows(const char* name, const std::array<std::array<Integer, C>, R>& rows) {
    for (const auto& row : rows) integers(name, row);
  }

  template <std::size_t N>
  void texts(const char* name, const std::array<std::string, N>& values) {
    for (const std::string& value : values) text(name, value, TextKind::Plain);
  }

  template <class Body>
  void group(const char*, Body&& body) {
    body();
  }

 private:
  template <class T>
  void put(T value) {
    static_assert(std::is_trivially_copyable_v<T>);
    std::uint8_t raw[sizeof(T)];
    std::memcpy(raw, &value, sizeof(T));
    bytes_.insert(bytes_.end(), raw, raw + sizeof(T));
  }

  std::vector<std::uint8_t>& bytes_;
};

// Once the bytes run out or turn out damaged, every later field is left at
// its zero/empty value.
class RecordReader {
 public:
  explicit RecordReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  void integer(const char*, Integer& value) { take(value); }
  void real(const char*, double& value) { take(value); }

  void number(const char*, Number& value) {
    std::uint16_t code = 0;
    if (!take(code)) return;
    switch (static_cast<Number::Type>(code)) {
      case Number::Type::Empty: value = Number(); return;
      case Number::Type::Integer: readValue<Integer>(value, Number::ofInteger); return;
      case Number::Type::Long: readValue<std::int32_t>(value, Number::ofLong); return;
      case Number::Type::Single: readValue<float>(value, Number::ofSingle); return;
      case Number::Type::Double: readValue<double>(value, Number::ofDouble); return;
    }
    damaged_ = true;
  }

  void text(const char*, std::string& value, TextKind) {
    std::uint16_t length = 0;
    if (!take(length)) return;
    if (length > bytes_.size() - position_) {
      damaged_ = true;
      return;
    }
    const auto* start = reinterpret_cast<const char*>(bytes_.data() + position_);
    value = decodeCp932(std::string_view(start, length));
    position_ += length;
  }

  template <std::size_t N>
  void integers(const char* name, std::array<Integer, N>& values) {
    for (Integer& value : values) integer(name, value);
  }

  template <std::size_t C, std::size_t R>
  void integerRows(const char* name, std::array<std::array<Integer, C>, R>& rows) {
    for (auto& row : rows) integers(name, row);
  }

  template <std::size_t N>
  void texts(const char* name, std::array<std::string, N>& values) {
    for (std::string& value : values) text(name, value, TextKind::Plain);
  }

  template <class Body>
  void group(const char*, Body&& body) {
    body();
  }

 private:
  template <class T>
  bool take(T& value) {
    if (damaged_ || sizeof(T) > bytes_.size() - position_) {
      damaged_ = true;
      return false;
    }
    std::memcpy(&value, bytes_.data() + position_, sizeof(T));
    position_ += sizeof(T);
    return true;
  }

  template <class T, class Make>
  void readValue(Number& number, Make make) {
    T raw{};
    if (take(raw)) number = make(raw);
  }

  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
  bool damaged_ = false;
};

}  // namespace

std::vector<std::uint8_t> encodeRecord(const ZekraRecord& record) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(512 + record.TrainingLog.size() + record.RaceLog.size());
  RecordWriter writer(bytes);
  visitRecordFields(record, writer);
  return bytes;
}

ZekraRecord decodeRecord(std::span<const std::uint8_t> bytes) {
  ZekraRecord record;
  RecordReader reader(bytes);
  visitRecordFields(record, reader);
  return record;
}

}  // namespace zekra
