#pragma once

#include <cstdint>
#include <stdexcept>

namespace zekra {

// The record's whole-number fields are 16-bit signed.
using Integer = std::int16_t;

// A value that does not fit an Integer field. It aborts the operation in
// progress; fields already written keep their new values.
class OverflowError : public std::overflow_error {
 public:
  explicit OverflowError(long double value);
};

// Narrows a computed whole number into an Integer, or throws OverflowError.
Integer checked(long long value);

// Nearest whole number, halves to the even neighbour (R(x) of the rules).
double roundHalfEven(double x);
float roundHalfEven(float x);

// R(x) narrowed into an Integer field; NaN or out of range throws OverflowError.
Integer roundToInteger(double x);

// ⌊x⌋ narrowed into an Integer field.
Integer floorToInteger(double x);

}  // namespace zekra
