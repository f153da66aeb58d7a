#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "state/integer_math.h"
#include "state/number.h"

namespace zekra {

// The ranch's facilities; their levels, prices and captions belong to the
// facility rules.
struct Facilities {
  std::string Label;  // never used; always empty
  Integer Stable = 0;
  Integer Pool = 0;
  Integer SpecialTraining = 0;
  Integer ObstacleEquipment = 0;
  Integer RecreationEquipment = 0;
  Integer HotSpringEquipment = 0;
  Integer BreedingStaff = 0;
  Integer Recorder = 0;

  friend bool operator==(const Facilities&, const Facilities&) = default;
};

inline constexpr std::size_t kAbilityCount = 33;

// The ability total and the 33 special abilities: 34 entries, entry 0 being
// `Points` and entry 1 + k being `Abilities`[k].
struct AbilityBlock {
  Integer Points = 0;
  std::array<Integer, kAbilityCount> Abilities{};

  Integer& entry(std::size_t index) { return index == 0 ? Points : Abilities.at(index - 1); }
  Integer entry(std::size_t index) const { return index == 0 ? Points : Abilities.at(index - 1); }

  friend bool operator==(const AbilityBlock&, const AbilityBlock&) = default;
};

inline constexpr std::size_t kAbilityBlockEntries = kAbilityCount + 1;
inline constexpr std::size_t kRecentRaces = 5;
inline constexpr std::size_t kTrainerRates = 5;
inline constexpr std::size_t kGradeRows = 6;
inline constexpr std::size_t kCrownSeries = 4;
inline constexpr std::size_t kPlacingColumns = 4;

// The horse record: the horse in care, every race runner and every hall-of-fame
// entry. The fields are in the order of the record file. A copy is a plain
// value copy, texts and numbers included.
struct ZekraRecord {
  std::string Name;
  Integer Class = 0;
  Number Prize;
  Integer Mood = 0;
  Integer Vitality = 0;
  Integer Stamina = 0;
  Integer StaminaBase = 0;
  Integer Speed = 0;
  Integer SpeedBase = 0;
  Integer Power = 0;
  Integer HeavyTrack = 0;
  Integer HeavyTrackBase = 0;
  Integer Hurdle = 0;
  Integer HurdleBase = 0;
  Integer Reserved1 = 0;
  Integer Weight = 0;
  Integer IdealWeight = 0;
  Integer WeeksLeft = 0;
  Integer G1Wins = 0;
  Integer Fatigue = 0;
  Integer Firsts = 0;
  Integer Seconds = 0;
  Integer Thirds = 0;
  Integer Unplaced = 0;
  // Rows: MC, world, ＧⅠ, ＧⅡ, ＧⅢ, open and below; columns: 1st, 2nd, 3rd, 4th or worse.
  std::array<std::array<Integer, kPlacingColumns>, kGradeRows> GradeRecord{};
  std::array<Integer, kRecentRaces> RecentPlaces{};     // [0] the newest race
  std::array<Integer, kRecentRaces> RecentRaceClass{};  // [0] the newest race
  double GrowthRate = 0.0;
  Integer GrowthType = 0;
  Number Affection;
  std::array<std::string, kRecentRaces> RecentRaceNames;  // [0] the newest race
  Integer Sex = 0;                                        // 1 female, 0 male
  Integer RunningStyle = 0;
  Integer Guts = 0;
  Integer GutsBase = 0;
  Integer Reserved2 = 0;
  std::string TrainingLog;  // one entry per week, newest first
  std::string RaceLog;      // one entry per race, newest first
  Integer FaceState = 0;
  // [0] fatigue recovery, [1] power growth, [2] guts growth, [3] training
  // success, [4] running-style change.
  std::array<Integer, kTrainerRates> TrainerEffect{};
  std::array<Integer, kTrainerRates> TrainerEffectBase{};
  Integer Reserved3 = 0;
  Integer MoodPotential = 0;
  Integer VitalityPotential = 0;
  Integer StaminaPotential = 0;
  Integer SpeedPotential = 0;
  Integer PowerPotential = 0;
  Integer HeavyTrackPotential = 0;
  Integer HurdlePotential = 0;
  Integer GutsPotential = 0;
  zekra::Facilities Facilities;
  zekra::AbilityBlock AbilityBlock;
  Integer GameTime = 0;
  Number Money;
  Integer EntryWeek = 0;  // GameTime of the registered race's week; -1 none
  // Rows: fillies', colts', British, European crown; columns 0..2 legs won,
  // column 3 the series complete.
  std::array<std::array<Integer, kPlacingColumns>, kCrownSeries> CrownProgress{};

  friend bool operator==(const ZekraRecord&, const ZekraRecord&) = default;
};

}  // namespace zekra
