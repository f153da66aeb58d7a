#pragma once

#include <compare>
#include <cstdint>
#include <string>

#include "state/integer_math.h"

namespace zekra {

// The tagged numeric value of `Prize`, `Affection` and `Money`. It keeps its
// type code through arithmetic and record files: empty (reads as 0), Integer,
// Long, Single or Double. A result takes the wider type of its operands
// (Integer < Long < Single < Double; Long with Single gives Double; empty takes
// the other operand's type). An Integer or Long result that overflows widens
// (Integer to Long, Long to Double) instead of failing.
class Number {
 public:
  // The codes are those of the record file.
  enum class Type : std::uint16_t { Empty = 0, Integer = 2, Long = 3, Single = 4, Double = 5 };

  Number() = default;

  static Number ofInteger(Integer value);
  static Number ofLong(std::int32_t value);
  static Number ofSingle(float value);
  static Number ofDouble(double value);
  // A whole number as a literal would be typed: Integer if it fits 16 bits,
  // Long if it fits 32, Double beyond.
  static Number ofWhole(long long value);

  Type type() const { return type_; }
  bool isEmpty() const { return type_ == Type::Empty; }

  // The value as a double; empty reads as 0. Exact for every type.
  double value() const;
  Integer integerValue() const { return integer_; }
  std::int32_t longValue() const { return long_; }
  float singleValue() const { return single_; }
  double doubleValue() const { return double_; }

  friend Number operator+(const Number& a, const Number& b);
  friend Number operator-(const Number& a, const Number& b);
  friend Number operator*(const Number& a, const Number& b);
  // Division never stays whole: Integer and Long quotients are Doubles.
  // Dividing by zero throws std::domain_error.
  friend Number operator/(const Number& a, const Number& b);
  Number operator-() const;

  Number& operator+=(const Number& other) { return *this = *this + other; }
  Number& operator-=(const Number& other) { return *this = *this - other; }

  // Identity: the same type code and the same value.
  friend bool operator==(const Number& a, const Number& b);
  // Value comparisons, empty reading as 0, as the rules compare.
  friend std::partial_ordering operator<=>(const Number& a, double b) { return a.value() <=> b; }
  friend bool operator==(const Number& a, double b) { return a.value() == b; }

 private:
  Type type_ = Type::Empty;
  Integer integer_ = 0;
  std::int32_t long_ = 0;
  float single_ = 0.0F;
  double double_ = 0.0;
};

// The name of a type code as the record dump writes it ("Integer", …), and back.
const char* typeName(Number::Type type);

// The decimal text of a Number: Integer and Long as whole numbers, Single with
// at most 7 and Double with at most 15 significant digits, no trailing zeros.
// Empty gives the empty text.
std::string plainText(const Number& number);

// Str(n): the decimal text with one leading blank when n is not negative (a
// minus sign otherwise). Empty reads as 0.
std::string Str(const Number& number);
std::string Str(long long value);

}  // namespace zekra
