#pragma once

#include "state/zekra_record.h"

namespace zekra {

// How an over-long text is shortened for the record file (see text_fitting.h).
enum class TextKind { Plain, TrainingLog, RaceLog };

// Walks the fields of a record in the declared order of the record file,
// with their names. The one description of the record's layout: the byte
// reader and writer and the JSON dump all follow it. `record` may be const;
// the visitor then receives const references. The visitor provides
//   integer(name, Integer&), real(name, double&), number(name, Number&),
//   text(name, std::string&, TextKind), integers(name, std::array<Integer, N>&),
//   integerRows(name, std::array<std::array<Integer, C>, R>&),
//   texts(name, std::array<std::string, N>&), group(name, body)
// where group calls body() to visit a nested record's fields.
template <class Record, class Visitor>
void visitRecordFields(Record& record, Visitor& visitor) {
  auto& r = record;
  auto& v = visitor;
  v.text("Name", r.Name, TextKind::Plain);
  v.integer("Class", r.Class);
  v.number("Prize", r.Prize);
  v.integer("Mood", r.Mood);
  v.integer("Vitality", r.Vitality);
  v.integer("Stamina", r.Stamina);
  v.integer("StaminaBase", r.StaminaBase);
  v.integer("Speed", r.Speed);
  v.integer("SpeedBase", r.SpeedBase);
  v.integer("Power", r.Power);
  v.integer("HeavyTrack", r.HeavyTrack);
  v.integer("HeavyTrackBase", r.HeavyTrackBase);
  v.integer("Hurdle", r.Hurdle);
  v.integer("HurdleBase", r.HurdleBase);
  v.integer("Reserved1", r.Reserved1);
  v.integer("Weight", r.Weight);
  v.integer("IdealWeight", r.IdealWeight);
  v.integer("WeeksLeft", r.WeeksLeft);
  v.integer("G1Wins", r.G1Wins);
  v.integer("Fatigue", r.Fatigue);
  v.integer("Firsts", r.Firsts);
  v.integer("Seconds", r.Seconds);
  v.integer("Thirds", r.Thirds);
  v.integer("Unplaced", r.Unplaced);
  v.integerRows("GradeRecord", r.GradeRecord);
  v.integers("RecentPlaces", r.RecentPlaces);
  v.integers("RecentRaceClass", r.RecentRaceClass);
  v.real("GrowthRate", r.GrowthRate);
  v.integer("GrowthType", r.GrowthType);
  v.number("Affection", r.Affection);
  v.texts("RecentRaceNames", r.RecentRaceNames);
  v.integer("Sex", r.Sex);
  v.integer("RunningStyle", r.RunningStyle);
  v.integer("Guts", r.Guts);
  v.integer("GutsBase", r.GutsBase);
  v.integer("Reserved2", r.Reserved2);
  v.text("TrainingLog", r.TrainingLog, TextKind::TrainingLog);
  v.text("RaceLog", r.RaceLog, TextKind::RaceLog);
  v.integer("FaceState", r.FaceState);
  v.integers("TrainerEffect", r.TrainerEffect);
  v.integers("TrainerEffectBase", r.TrainerEffectBase);
  v.integer("Reserved3", r.Reserved3);
  v.integer("MoodPotential", r.MoodPotential);
  v.integer("VitalityPotential", r.VitalityPotential);
  v.integer("StaminaPotential", r.StaminaPotential);
  v.integer("SpeedPotential", r.SpeedPotential);
  v.integer("PowerPotential", r.PowerPotential);
  v.integer("HeavyTrackPotential", r.HeavyTrackPotential);
  v.integer("HurdlePotential", r.HurdlePotential);
  v.integer("GutsPotential", r.GutsPotential);
  auto& f = r.Facilities;
  v.group("Facilities", [&] {
    v.text("Label", f.Label, TextKind::Plain);
    v.integer("Stable", f.Stable);
    v.integer("Pool", f.Pool);
    v.integer("SpecialTraining", f.SpecialTraining);
    v.integer("ObstacleEquipment", f.ObstacleEquipment);
    v.integer("RecreationEquipment", f.RecreationEquipment);
    v.integer("HotSpringEquipment", f.HotSpringEquipment);
    v.integer("BreedingStaff", f.BreedingStaff);
    v.integer("Recorder", f.Recorder);
  });
  auto& a = r.AbilityBlock;
  v.group("AbilityBlock", [&] {
    v.integer("Points", a.Points);
    v.integers("Abilities", a.Abilities);
  });
  v.integer("GameTime", r.GameTime);
  v.number("Money", r.Money);
  v.integer("EntryWeek", r.EntryWeek);
  v.integerRows("CrownProgress", r.CrownProgress);
}

}  // namespace zekra
