#include "state/integer_math.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace zekra {
namespace {

TEST(CheckedInteger, AcceptsTheWholeSixteenBitRangeAndNothingBeyond) {
  EXPECT_EQ(checked(32767), 32767);
  EXPECT_EQ(checked(-32768), -32768);
  EXPECT_THROW(checked(32768), OverflowError);
  EXPECT_THROW(checked(-32769), OverflowError);
  EXPECT_THROW(checked(std::numeric_limits<long long>::max()), OverflowError);
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
  struct Case {
    double x;
    double rounded;
  };
  const Case cases[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},    {-0.5, -0}, {-1.5, -2},
                        {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {7, 7}};
  for (const Case& c : cases) {
    EXPECT_EQ(roundHalfEven(c.x), c.rounded) << c.x;
    EXPECT_EQ(roundHalfEven(static_cast<float>(c.x)), static_cast<float>(c.rounded)) << c.x;
  }
  EXPECT_TRUE(std::isnan(roundHalfEven(std::nan(""))));
}

TEST(RoundToInteger, NarrowsOrThrows) {
  EXPECT_EQ(roundToInteger(32767.4), 32767);
  EXPECT_EQ(roundToInteger(-32768.5), -32768);  // the half goes to the even -32768
  EXPECT_THROW(roundToInteger(32767.5), OverflowError);
  EXPECT_THROW(roundToInteger(std::nan("")), OverflowError);
  EXPECT_THROW(roundToInteger(INFINITY), OverflowError);
}

TEST(FloorToInteger, FloorsTowardMinusInfinity) {
  EXPECT_EQ(floorToInteger(2.9), 2);
  EXPECT_EQ(floorToInteger(-0.1), -1);
  EXPECT_THROW(floorToInteger(-32768.5), OverflowError);
}

}  // namespace
}  // namespace zekra
