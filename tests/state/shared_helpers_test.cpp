#include "state/shared_helpers.h"

#include <map>
#include <vector>

#include <gtest/gtest.h>

namespace zekra {
namespace {

TEST(RollDice, EachRollRoundsTheRunningSum) {
  // t = R(10·0.25 + 0 + 1) = R(3.5) = 4; t = R(10·0.05 + 4 + 1) = R(5.5) = 6;
  // t = R(10·0.999 + 6 + 1) = R(16.99) = 17.
  ScriptedRng rng({0.25F, 0.05F, 0.999F});
  EXPECT_EQ(RollDice(rng, 10, 3), 17);
  EXPECT_EQ(rng.drawsLeft(), 0U);
}

TEST(RollDice, NoRollsIsZeroAndTakesNoDraw) {
  ScriptedRng rng({});
  EXPECT_EQ(RollDice(rng, 6, 0), 0);
}

TEST(RollDice, ARollIsOneToSidesPlusOneWithHalfLikelyExtremes) {
  SeededRng rng(3);
  std::map<int, int> counts;
  for (int i = 0; i < 40000; ++i) ++counts[RollDice(rng, 4, 1)];
  EXPECT_EQ(counts.begin()->first, 1);
  EXPECT_EQ(counts.rbegin()->first, 5);
  EXPECT_EQ(counts.size(), 5U);
  EXPECT_NEAR(counts[1] / 40000.0, 0.125, 0.01);
  EXPECT_NEAR(counts[3] / 40000.0, 0.25, 0.01);
  EXPECT_NEAR(counts[5] / 40000.0, 0.125, 0.01);
}

TEST(GradeLetter, BandEdges) {
  struct Case {
    Integer value;
    const char* letter;
  };
  const Case cases[] = {{-32768, "H"}, {-1, "H"},  {39, "H"},   {40, "G"},  {64, "G"},  {65, "F"},
                        {89, "F"},     {90, "E"},  {109, "E"},  {110, "D"}, {129, "D"}, {130, "C"},
                        {149, "C"},    {150, "B"}, {169, "B"},  {170, "A"}, {189, "A"}, {190, "S"},
                        {209, "S"},    {210, "☆"}, {32767, "☆"}};
  for (const Case& c : cases) EXPECT_EQ(GradeLetter(c.value), c.letter) << c.value;
}

TEST(GrowthCurve, ValuesOverACareer) {
  struct Case {
    Integer type, week;
    double value;
  };
  const Case cases[] = {
      {0, 0, 9},  {0, 200, 12.25}, {1, 0, 9},    {2, 0, 25},  {2, 200, 9},
      {3, 0, 9},  {3, 100, 16},    {3, 200, 25}, {4, 0, 4},   {4, 200, 36},
      {5, 0, 36}, {5, 200, 4},     {7, 100, 0},  {-1, 50, 0}, {6, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(GrowthCurve(c.type, c.week), c.value) << c.type << "," << c.week;
  }
  // Type 0 dips just under 4 near week 90; type 1 to about 6.6 near week 63.
  EXPECT_LT(GrowthCurve(0, 90), 4.0);
  EXPECT_GT(GrowthCurve(0, 90), 3.9);
  EXPECT_NEAR(GrowthCurve(1, 63), 6.6, 0.05);
  EXPECT_NEAR(GrowthCurve(1, 200), 21.39, 0.01);
  // Week 10 of type 0: a = (10·0.0025 − 0.45)/2 + 3 = 2.7875.
  EXPECT_DOUBLE_EQ(GrowthCurve(0, 10), 2.7875 * 2.7875);
}

TEST(RandomAbility, RoundsThenLimits) {
  struct Case {
    Integer low, high;
    float r;
    Integer level;
  };
  const Case cases[] = {
      {4, 6, 0.0F, 4},                          // R(4) = 4
      {4, 6, 0.16F, 4},                         // R(4.48)
      {4, 6, 0.17F, 5},                         // R(4.51)
      {4, 6, 0.5F, 6},                          // R(5.5) = 6, the even neighbour
      {4, 6, 0.99F, 6},                         // R(6.97) = 7, cut to 6
      {-1, 6, 0.99F, 6},                        // R(6.92) = 7, cut to 6
      {-1, 6, 0.0F, -1},   {-3, -2, 0.0F, -1},  // R(-3) cut to -1
      {-3, -2, 0.99F, -1},                      // R(-1.02) = -1
      {0, 2, 0.5F, 2},                          // R(1.5) = 2
      {0, 4, 0.5F, 2},                          // R(2.5) = 2
  };
  for (const Case& c : cases) {
    ScriptedRng rng({c.r});
    EXPECT_EQ(RandomAbility(rng, c.low, c.high), c.level)
        << c.low << ".." << c.high << " r=" << c.r;
  }
}

std::vector<float> repeated(float r, int count) {
  return std::vector<float>(static_cast<std::size_t>(count), r);
}

TEST(GenerateAbilities, DistanceAndStyleGuaranteesAndTalentCompensation) {
  // 34 draws of 0 give level 0 everywhere (low 0, high 2). No distance is 4 or
  // more, so k = R(3·0.5) mod 3 = 2 (長距離) gets RandomAbility(4, 6) with
  // r = 0.99 → 6. Style 1 (先行, entry 20) is 0, so it gets r = 0 → 4.
  // The total is 6 + 4 = 10 < 50: 天性 becomes 6.
  std::vector<float> draws = repeated(0.0F, 34);
  draws.insert(draws.end(), {0.5F, 0.99F, 0.0F});
  ScriptedRng rng(draws);
  ZekraRecord horse;
  horse.RunningStyle = 1;
  const AbilityBlock block = GenerateAbilities(rng, 0, 2, horse);
  EXPECT_EQ(rng.drawsLeft(), 0U);
  EXPECT_EQ(block.Points, 0);
  EXPECT_EQ(block.entry(1), 0);
  EXPECT_EQ(block.entry(3), 6);
  EXPECT_EQ(block.entry(20), 4);
  EXPECT_EQ(block.entry(28), 6);
  EXPECT_EQ(AbilityTotal(block), 16);
}

TEST(GenerateAbilities, NoGuaranteeIsDrawnWhenNotNeeded) {
  // All entries 6 (low 6, high 6 with r = 0): nothing to guarantee, total 198
  // ≥ 150 keeps 天性 as drawn; style 4 has no guarantee anyway.
  ScriptedRng rng(repeated(0.0F, 34));
  ZekraRecord horse;
  horse.RunningStyle = 4;
  const AbilityBlock block = GenerateAbilities(rng, 6, 6, horse);
  EXPECT_EQ(rng.drawsLeft(), 0U);
  EXPECT_EQ(block.entry(28), 6);
  EXPECT_EQ(AbilityTotal(block), 198);
}

TEST(GenerateAbilities, TalentBandsFollowTheTotal) {
  // Entries drawn as levels from the per-entry draws; the distance entry 1 is
  // 4 so no guarantee is drawn, style -1 has none.
  struct Case {
    int fours;  // how many of entries 1..33 are 4 (the rest 0), entry 1 among them
    Integer talent;
  };
  // Talent entry 28 is among the zeros unless fours reach it; totals 4·fours.
  const Case cases[] = {{12, 6}, {13, 5}, {17, 5}, {18, 4}, {22, 4},
                        {23, 3}, {27, 3}, {28, 2}, {32, 2}, {33, 1}};
  for (const Case& c : cases) {
    std::vector<float> draws = {0.0F};  // entry 0 (Points)
    for (int entry = 1; entry <= 33; ++entry) draws.push_back(entry <= c.fours ? 0.99F : 0.0F);
    ScriptedRng rng(draws);
    ZekraRecord horse;
    horse.RunningStyle = -1;
    // low 0, high 3: r = 0.99 gives R(3.96) = 4, r = 0 gives 0.
    const AbilityBlock block = GenerateAbilities(rng, 0, 3, horse);
    EXPECT_EQ(block.entry(28), c.talent) << "total " << 4 * c.fours;
  }
}

TEST(GenerateAbilities, PropertiesOverManyHorses) {
  SeededRng rng(11);
  for (int i = 0; i < 2000; ++i) {
    ZekraRecord horse;
    horse.RunningStyle = static_cast<Integer>(i % 6 - 1);
    const AbilityBlock block = GenerateAbilities(rng, -1, 3, horse);
    ASSERT_TRUE(block.entry(1) >= 4 || block.entry(2) >= 4 || block.entry(3) >= 4);
    if (horse.RunningStyle >= 0 && horse.RunningStyle <= 3) {
      ASSERT_GE(block.entry(19 + static_cast<std::size_t>(horse.RunningStyle)), 4);
    }
    for (std::size_t entry = 0; entry < kAbilityBlockEntries; ++entry) {
      ASSERT_GE(block.entry(entry), -1);
      ASSERT_LE(block.entry(entry), 6);
    }
  }
}

TEST(AbilityTotal, SumsEntriesOneToThirtyThreeAndIsChecked) {
  AbilityBlock block;
  block.Points = 1000;
  block.Abilities.fill(2);
  block.Abilities[32] = -1;
  EXPECT_EQ(AbilityTotal(block), 32 * 2 - 1);
  block.Abilities.fill(20000);  // only a damaged file holds such levels
  EXPECT_THROW(AbilityTotal(block), OverflowError);
}

}  // namespace
}  // namespace zekra
