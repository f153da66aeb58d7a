#include "state/number.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>

namespace zekra {

namespace {

using Type = Number::Type;

int rank(Type type) {
  switch (type) {
    case Type::Empty: return 0;
    case Type::Integer: return 1;
    case Type::Long: return 2;
    case Type::Single: return 3;
    case Type::Double: return 4;
  }
  return 0;
}

Type resultType(Type a, Type b) {
  if (a == Type::Empty && b == Type::Empty) return Type::Integer;
  if (a == Type::Empty) return b;
  if (b == Type::Empty) return a;
  if ((a == Type::Long && b == Type::Single) || (a == Type::Single && b == Type::Long)) {
    return Type::Double;
  }
  return rank(a) >= rank(b) ? a : b;
}

// A whole result in the given type, widened when it does not fit.
Number wholeResult(Type type, long long value) {
  if (type == Type::Integer && value >= std::numeric_limits<Integer>::min() &&
      value <= std::numeric_limits<Integer>::max()) {
    return Number::ofInteger(static_cast<Integer>(value));
  }
  if (value >= std::numeric_limits<std::int32_t>::min() &&
      value <= std::numeric_limits<std::int32_t>::max()) {
    return Number::ofLong(static_cast<std::int32_t>(value));
  }
  return Number::ofDouble(static_cast<double>(value));
}

long long wholeValue(const Number& n) {
  switch (n.type()) {
    case Type::Integer: return n.integerValue();
    case Type::Long: return n.longValue();
    default: return 0;
  }
}

float singleOf(const Number& n) {
  switch (n.type()) {
    case Type::Integer: return static_cast<float>(n.integerValue());
    case Type::Single: return n.singleValue();
    default: return 0.0F;  // Long never meets Single in single precision
  }
}

enum class Operation { Add, Subtract, Multiply };

template <class T>
T apply(Operation operation, T a, T b) {
  switch (operation) {
    case Operation::Add: return a + b;
    case Operation::Subtract: return a - b;
    case Operation::Multiply: return a * b;
  }
  return T{};
}

Number arithmetic(Operation operation, const Number& a, const Number& b) {
  const Type type = resultType(a.type(), b.type());
  switch (type) {
    case Type::Integer:
    case Type::Long:
      // Two 32-bit operands never overflow 64-bit arithmetic.
      return wholeResult(type, apply(operation, wholeValue(a), wholeValue(b)));
    case Type::Single: return Number::ofSingle(apply(operation, singleOf(a), singleOf(b)));
    default: return Number::ofDouble(apply(operation, a.value(), b.value()));
  }
}

// Formats a real with at most `digits` significant digits, without trailing
// zeros, in plain decimal notation while the exponent stays within the
// digits (and down to 1E-4), otherwise as mantissa and exponent ("1.5E+20").
std::string realText(double x, int digits) {
  if (std::isnan(x)) return "NaN";
  if (std::isinf(x)) return x > 0 ? "Infinity" : "-Infinity";
  if (x == 0.0) return "0";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, x);
  std::string scientific = buffer;
  const auto e = scientific.find('e');
  const int exponent = std::stoi(scientific.substr(e + 1));
  std::string mantissa = scientific.substr(0, e);
  const bool negative = mantissa.front() == '-';
  if (negative) mantissa.erase(0, 1);
  std::string significant;
  for (char c : mantissa) {
    if (c != '.') significant += c;
  }
  while (significant.size() > 1 && significant.back() == '0') significant.pop_back();

  std::string text;
  if (exponent >= digits || exponent < -4) {
    text = significant.substr(0, 1);
    if (significant.size() > 1) text += "." + significant.substr(1);
    char exponentText[16];
    std::snprintf(exponentText, sizeof exponentText, "E%c%02d", exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    text += exponentText;
  } else if (exponent < 0) {
    const auto leadingZeros = static_cast<std::size_t>(-(exponent + 1));
    text = "0." + std::string(leadingZeros, '0') + significant;
  } else {
    const std::size_t wholeDigits = static_cast<std::size_t>(exponent) + 1;
    if (significant.size() <= wholeDigits) {
      text = significant + std::string(wholeDigits - significant.size(), '0');
    } else {
      text = significant.substr(0, wholeDigits) + "." + significant.substr(wholeDigits);
    }
  }
  return negative ? "-" + text : text;
}

}  // namespace

Number Number::ofInteger(Integer value) {
  Number n;
  n.type_ = Type::Integer;
  n.integer_ = value;
  return n;
}

Number Number::ofLong(std::int32_t value) {
  Number n;
  n.type_ = Type::Long;
  n.long_ = value;
  return n;
}

Number Number::ofSingle(float value) {
  Number n;
  n.type_ = Type::Single;
  n.single_ = value;
  return n;
}

Number Number::ofDouble(double value) {
  Number n;
  n.type_ = Type::Double;
  n.double_ = value;
  return n;
}

Number Number::ofWhole(long long value) { return wholeResult(Type::Integer, value); }

double Number::value() const {
  switch (type_) {
    case Type::Empty: return 0.0;
    case Type::Integer: return integer_;
    case Type::Long: return long_;
    case Type::Single: return static_cast<double>(single_);
    case Type::Double: return double_;
  }
  return 0.0;
}

Number operator+(const Number& a, const Number& b) { return arithmetic(Operation::Add, a, b); }
Number operator-(const Number& a, const Number& b) { return arithmetic(Operation::Subtract, a, b); }
Number operator*(const Number& a, const Number& b) { return arithmetic(Operation::Multiply, a, b); }

Number operator/(const Number& a, const Number& b) {
  if (b.value() == 0.0) throw std::domain_error("division by zero");
  if (resultType(a.type(), b.type()) == Type::Single) {
    return Number::ofSingle(singleOf(a) / singleOf(b));
  }
  return Number::ofDouble(a.value() / b.value());
}

Number Number::operator-() const { return Number::ofInteger(0) - *this; }

bool operator==(const Number& a, const Number& b) {
  if (a.type() != b.type()) return false;
  switch (a.type()) {
    case Type::Empty: return true;
    case Type::Integer: return a.integerValue() == b.integerValue();
    case Type::Long: return a.longValue() == b.longValue();
    case Type::Single: return a.singleValue() == b.singleValue();
    case Type::Double: return a.doubleValue() == b.doubleValue();
  }
  return false;
}

const char* typeName(Number::Type type) {
  switch (type) {
    case Type::Empty: return "Empty";
    case Type::Integer: return "Integer";
    case Type::Long: return "Long";
    case Type::Single: return "Single";
    case Type::Double: return "Double";
  }
  return "Empty";
}

std::string plainText(const Number& number) {
  switch (number.type()) {
    case Type::Empty: return "";
    case Type::Integer: return std::to_string(number.integerValue());
    case Type::Long: return std::to_string(number.longValue());
    case Type::Single: return realText(static_cast<double>(number.singleValue()), 7);
    case Type::Double: return realText(number.doubleValue(), 15);
  }
  return "";
}

std::string Str(const Number& number) {
  const std::string text = number.isEmpty() ? "0" : plainText(number);
  return text.front() == '-' ? text : " " + text;
}

std::string Str(long long value) {
  return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

}  // namespace zekra
