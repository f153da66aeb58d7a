#include "state/integer_math.h"

#include <cmath>
#include <limits>
#include <sstream>

namespace zekra {

namespace {

std::string overflowMessage(long double value) {
  std::ostringstream text;
  text << "overflow: " << value << " does not fit a 16-bit field";
  return text.str();
}

template <class Real>
Real roundHalfEvenOf(Real x) {
  if (!std::isfinite(x)) return x;
  const Real below = std::floor(x);
  const Real fraction = x - below;  // exact: x and ⌊x⌋ share their magnitude
  if (fraction > Real(0.5)) return below + Real(1);
  if (fraction < Real(0.5)) return below;
  return std::fmod(below, Real(2)) == Real(0) ? below : below + Real(1);
}

Integer narrowReal(double whole) {
  if (std::isnan(whole) || whole < std::numeric_limits<Integer>::min() ||
      whole > std::numeric_limits<Integer>::max()) {
    throw OverflowError(static_cast<long double>(whole));
  }
  return static_cast<Integer>(whole);
}

}  // namespace

OverflowError::OverflowError(long double value) : std::overflow_error(overflowMessage(value)) {}

Integer checked(long long value) {
  if (value < std::numeric_limits<Integer>::min() || value > std::numeric_limits<Integer>::max()) {
    throw OverflowError(static_cast<long double>(value));
  }
  return static_cast<Integer>(value);
}

double roundHalfEven(double x) { return roundHalfEvenOf(x); }
float roundHalfEven(float x) { return roundHalfEvenOf(x); }

Integer roundToInteger(double x) { return narrowReal(roundHalfEven(x)); }
Integer floorToInteger(double x) { return narrowReal(std::floor(x)); }

}  // namespace zekra
