#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "state/integer_math.h"

namespace zekra {

inline constexpr std::size_t kRatingEntries = 17;    // gates 1..16; entry 0 unused
inline constexpr std::size_t kCrownLegEntries = 16;  // 4 series x 4 slots

// One race of the calendar. GetRaceOfWeek fills the definition; race set-up
// fills Going and the field's ratings in its own copy.
struct RaceData {
  std::string RaceNo;     // "No. 12"; empty for a week outside the calendar
  std::string RaceName;   // "――――" when there is no race
  Integer RaceClass = 0;  // -1..11, -1 = no race
  Integer Distance = 0;   // metres
  Integer Surface = 0;    // 0 芝, 1 ダート, 2 障害芝, 3 障害ダ, 4 芝ダ; -1 none
  Integer FemaleOnly = 0;
  Integer Runners = 0;  // including the player's horse
  Integer Going = 0;
  std::array<Integer, kRatingEntries> Rating{};
  double RatingMean = 0;
  Integer RatingMax = 0;
  Integer RatingMin = 0;
  Integer Course = 0;  // 0 直線, 1 右回り, 2 左回り
  Integer DistanceType = 0;
  std::array<Integer, kCrownLegEntries> CrownLeg{};  // entry 4·s + k: leg k + 1 of series s

  bool operator==(const RaceData&) const = default;
};

}  // namespace zekra
