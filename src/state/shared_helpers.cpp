#include "state/shared_helpers.h"

#include <algorithm>

namespace zekra {

namespace {

// Entries of the ability block the generator looks at.
constexpr std::size_t kShortDistanceEntry = 1;  // 短距離; 中距離 and 長距離 follow
constexpr std::size_t kFrontRunnerEntry = 19;   // 逃げ; 先行, 差し, 追い follow
constexpr std::size_t kTalentEntry = 28;        // 天性

}  // namespace

Integer RollDice(Rng& rng, Integer sides, Integer count) {
  Integer total = 0;
  for (int roll = 0; roll < count; ++roll) {
    total = roundToInteger(sides * static_cast<double>(rng.next()) + total + 1);
  }
  return total;
}

std::string GradeLetter(Integer value) {
  if (value < 40) return "H";
  if (value < 65) return "G";
  if (value < 90) return "F";
  if (value < 110) return "E";
  if (value < 130) return "D";
  if (value < 150) return "C";
  if (value < 170) return "B";
  if (value < 190) return "A";
  if (value < 210) return "S";
  return "☆";
}

double GrowthCurve(Integer type, Integer week) {
  const double x = week;
  double a = 0.0;
  switch (type) {
    case 0: a = (x * (x / 4000) - 9 * x / 200) / 2 + 3; break;
    case 1: a = x * (x / 4571.42857142 - 0.0275) / 2 + 3; break;
    case 2: a = 5 - x / 100; break;
    case 3: a = x / 100 + 3; break;
    case 4: a = x / 50 + 2; break;
    case 5: a = 6 - x / 50; break;
    default: a = 0.0; break;
  }
  return a * a;
}

Integer RandomAbility(Rng& rng, Integer low, Integer high) {
  const double level = roundHalfEven((high - low + 1) * static_cast<double>(rng.next()) + low);
  return static_cast<Integer>(std::clamp(level, -1.0, 6.0));
}

AbilityBlock GenerateAbilities(Rng& rng, Integer low, Integer high, const ZekraRecord& horse) {
  AbilityBlock block;
  for (std::size_t entry = 0; entry < kAbilityBlockEntries; ++entry) {
    block.entry(entry) = RandomAbility(rng, low, high);
  }

  const bool noDistance = block.entry(kShortDistanceEntry) < 4 &&
                          block.entry(kShortDistanceEntry + 1) < 4 &&
                          block.entry(kShortDistanceEntry + 2) < 4;
  if (noDistance) {
    const auto pick =
        static_cast<std::size_t>(roundHalfEven(3 * static_cast<double>(rng.next()))) % 3;
    block.entry(kShortDistanceEntry + pick) = RandomAbility(rng, 4, 6);
  }

  if (horse.RunningStyle >= 0 && horse.RunningStyle <= 3) {
    Integer& style = block.entry(kFrontRunnerEntry + static_cast<std::size_t>(horse.RunningStyle));
    if (style < 4) style = RandomAbility(rng, 4, 6);
  }

  const Integer total = AbilityTotal(block);
  Integer& talent = block.entry(kTalentEntry);
  if (total < 50) {
    talent = 6;
  } else if (total < 70) {
    talent = 5;
  } else if (total < 90) {
    talent = 4;
  } else if (total < 110) {
    talent = 3;
  } else if (total < 130) {
    talent = 2;
  } else if (total < 150) {
    talent = 1;
  }
  return block;
}

Integer AbilityTotal(const AbilityBlock& block) {
  Integer total = 0;
  for (const Integer level : block.Abilities) total = checked(total + level);
  return total;
}

}  // namespace zekra
