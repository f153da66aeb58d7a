#include "state/rng.h"

#include <set>
#include <vector>

#include <gtest/gtest.h>

namespace zekra {
namespace {

std::vector<float> drawsOf(Rng& rng, int count) {
  std::vector<float> draws;
  for (int i = 0; i < count; ++i) draws.push_back(rng.next());
  return draws;
}

TEST(SeededRng, TheSameSeedReplaysTheSameDrawsEvenAcrossReseeds) {
  SeededRng first(42);
  SeededRng second(42);
  const auto before = drawsOf(first, 100);
  second.reseedFromClock();  // a fixed seed ignores the clock
  EXPECT_EQ(before, drawsOf(second, 100));
  EXPECT_EQ(first.drawsUsed(), 100U);
  EXPECT_NE(drawsOf(first, 100), before);  // the sequence goes on
}

TEST(SeededRng, DrawsAreInTheUnitIntervalAndSpread) {
  SeededRng rng(7);
  double sum = 0;
  std::set<float> distinct;
  for (int i = 0; i < 20000; ++i) {
    const float r = rng.next();
    ASSERT_GE(r, 0.0F);
    ASSERT_LT(r, 1.0F);
    sum += static_cast<double>(r);
    distinct.insert(r);
  }
  EXPECT_NEAR(sum / 20000, 0.5, 0.01);
  EXPECT_GT(distinct.size(), 19000U);
}

TEST(SeededRng, ClockSeededGeneratorsDifferAndReseed) {
  SeededRng a = SeededRng::fromClock();
  const auto first = drawsOf(a, 8);
  a.reseedFromClock();
  EXPECT_NE(first, drawsOf(a, 8));
}

TEST(ScriptedRng, HandsOutItsDrawsInOrderThenThrows) {
  ScriptedRng rng({0.25F, 0.5F});
  rng.reseedFromClock();  // takes no draw
  EXPECT_EQ(rng.next(), 0.25F);
  EXPECT_EQ(rng.drawsLeft(), 1U);
  EXPECT_EQ(rng.next(), 0.5F);
  EXPECT_EQ(rng.drawsUsed(), 2U);
  try {
    rng.next();
    FAIL() << "a third draw was handed out";
  } catch (const DrawsExhausted& exhausted) {
    EXPECT_EQ(exhausted.drawsGiven(), 2U);
  }
}

}  // namespace
}  // namespace zekra
