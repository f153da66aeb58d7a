#include "cli/record_json.h"

#include <bit>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/json_numbers.h"
#include "state/record_file.h"
#include "state/rng.h"

namespace zekra::cli {
namespace {

using Json = nlohmann::ordered_json;

ZekraRecord richRecord() {
  ZekraRecord r;
  r.Name = "ｴﾚｸﾄﾛｷｭｰｼｮﾆｽﾄ";
  r.Class = 5;
  r.Prize = Number::ofLong(123456);
  r.Mood = -3;
  r.GradeRecord[5][3] = 7;
  r.RecentPlaces = {1, 2, 3, 4, 5};
  r.GrowthRate = 0.1 + 0.2;
  r.Affection = Number::ofSingle(0.1F);
  r.RecentRaceNames = {"ＧⅠ有馬記念", "", "①", "～", "x"};
  r.TrainingLog = " 5 週目\r\nよし\r\n";
  r.TrainerEffect[4] = 2;
  r.Facilities.Recorder = 2;
  r.AbilityBlock.Points = 40;
  r.AbilityBlock.Abilities[32] = 6;
  r.Money = Number::ofDouble(-0.5);
  r.EntryWeek = -1;
  r.CrownProgress[3][3] = 1;
  return r;
}

TEST(RecordJson, KeysAreTheFieldNamesInDeclaredOrder) {
  const Json json = recordToJson(richRecord());
  std::vector<std::string> keys;
  for (const auto& item : json.items()) keys.push_back(item.key());
  const std::vector<std::string> expected = {"Name",
                                             "Class",
                                             "Prize",
                                             "Mood",
                                             "Vitality",
                                             "Stamina",
                                             "StaminaBase",
                                             "Speed",
                                             "SpeedBase",
                                             "Power",
                                             "HeavyTrack",
                                             "HeavyTrackBase",
                                             "Hurdle",
                                             "HurdleBase",
                                             "Reserved1",
                                             "Weight",
                                             "IdealWeight",
                                             "WeeksLeft",
                                             "G1Wins",
                                             "Fatigue",
                                             "Firsts",
                                             "Seconds",
                                             "Thirds",
                                             "Unplaced",
                                             "GradeRecord",
                                             "RecentPlaces",
                                             "RecentRaceClass",
                                             "GrowthRate",
                                             "GrowthType",
                                             "Affection",
                                             "RecentRaceNames",
                                             "Sex",
                                             "RunningStyle",
                                             "Guts",
                                             "GutsBase",
                                             "Reserved2",
                                             "TrainingLog",
                                             "RaceLog",
                                             "FaceState",
                                             "TrainerEffect",
                                             "TrainerEffectBase",
                                             "Reserved3",
                                             "MoodPotential",
                                             "VitalityPotential",
                                             "StaminaPotential",
                                             "SpeedPotential",
                                             "PowerPotential",
                                             "HeavyTrackPotential",
                                             "HurdlePotential",
                                             "GutsPotential",
                                             "Facilities",
                                             "AbilityBlock",
                                             "GameTime",
                                             "Money",
                                             "EntryWeek",
                                             "CrownProgress"};
  EXPECT_EQ(keys, expected);
  std::vector<std::string> facilities;
  for (const auto& item : json["Facilities"].items()) facilities.push_back(item.key());
  EXPECT_EQ(facilities,
            (std::vector<std::string>{"Label", "Stable", "Pool", "SpecialTraining",
                                      "ObstacleEquipment", "RecreationEquipment",
                                      "HotSpringEquipment", "BreedingStaff", "Recorder"}));
}

TEST(RecordJson, ValuesHaveTheirDocumentedShapes) {
  const Json json = recordToJson(richRecord());
  EXPECT_EQ(json["Name"], "ｴﾚｸﾄﾛｷｭｰｼｮﾆｽﾄ");
  EXPECT_EQ(json["Prize"], Json::parse(R"({"type": "Long", "value": 123456})"));
  EXPECT_EQ(json["Vitality"], 0);
  EXPECT_EQ(json["GradeRecord"].size(), 6U);
  EXPECT_EQ(json["GradeRecord"][5], Json::parse("[0, 0, 0, 7]"));
  EXPECT_EQ(json["CrownProgress"][3], Json::parse("[0, 0, 0, 1]"));
  EXPECT_EQ(json["RecentPlaces"], Json::parse("[1, 2, 3, 4, 5]"));
  EXPECT_EQ(json["TrainerEffect"], Json::parse("[0, 0, 0, 0, 2]"));
  EXPECT_EQ(json["AbilityBlock"]["Points"], 40);
  EXPECT_EQ(json["AbilityBlock"]["Abilities"].size(), 33U);
  EXPECT_EQ(json["AbilityBlock"]["Abilities"][32], 6);
  EXPECT_EQ(json["RecentRaceNames"][0], "ＧⅠ有馬記念");
  EXPECT_EQ(json["TrainingLog"], " 5 週目\r\nよし\r\n");
  EXPECT_TRUE(json["Money"]["value"].is_number_float());
  EXPECT_EQ(json["Facilities"]["Label"], "");
  ZekraRecord empty;
  EXPECT_TRUE(recordToJson(empty)["Money"].is_null());

  // Shortest round-trip forms: a Single in single precision.
  const std::string text = json.dump();
  EXPECT_NE(text.find(R"("Affection":{"type":"Single","value":0.1})"), std::string::npos) << text;
  EXPECT_NE(text.find(R"("GrowthRate":0.30000000000000004)"), std::string::npos);
  EXPECT_NE(text.find(R"("TrainingLog":" 5 週目\r\nよし\r\n")"), std::string::npos);
}

TEST(RecordJson, ValuesThatAreNotFiniteAreWords) {
  ZekraRecord r;
  r.GrowthRate = std::numeric_limits<double>::quiet_NaN();
  r.Affection = Number::ofSingle(-std::numeric_limits<float>::infinity());
  r.Money = Number::ofDouble(std::numeric_limits<double>::infinity());
  const Json json = recordToJson(r);
  EXPECT_EQ(json["GrowthRate"], "NaN");
  EXPECT_EQ(json["Affection"]["value"], "-Infinity");
  EXPECT_EQ(json["Money"]["value"], "Infinity");
  const ZekraRecord back = recordFromJson(json);
  EXPECT_TRUE(std::isnan(back.GrowthRate));
  EXPECT_EQ(back.Affection, r.Affection);
  EXPECT_EQ(back.Money, r.Money);
}

TEST(RecordJson, ARecordSurvivesTheRoundTripThroughText) {
  const ZekraRecord r = richRecord();
  const ZekraRecord back = recordFromJson(Json::parse(recordToJson(r).dump()));
  EXPECT_EQ(back, r);
  EXPECT_EQ(encodeRecord(back), encodeRecord(r));
}

TEST(JsonNumbers, EverySingleAndDoubleReadsBackAsTheSameBits) {
  SeededRng rng(5);
  for (int i = 0; i < 50000; ++i) {
    const auto bits = static_cast<std::uint32_t>(rng.next() * 65536.0F) << 16 |
                      static_cast<std::uint32_t>(rng.next() * 65536.0F);
    const float single = std::bit_cast<float>(bits);
    if (!std::isfinite(single)) continue;
    const double real = static_cast<double>(single) * (1.0 + static_cast<double>(rng.next())) / 3;
    double back = 0.0;
    ASSERT_TRUE(realFromJson(Json::parse(singleToJson(single).dump()), back));
    ASSERT_EQ(std::bit_cast<std::uint32_t>(static_cast<float>(back)), bits) << single;
    ASSERT_TRUE(realFromJson(Json::parse(realToJson(real).dump()), back));
    ASSERT_EQ(back, real);
  }
}

TEST(JsonNumbers, ShortestFormsAndWords) {
  EXPECT_EQ(singleToJson(0.1F).dump(), "0.1");
  EXPECT_EQ(singleToJson(16777216.0F).dump(), "16777216.0");
  EXPECT_EQ(realToJson(0.1).dump(), "0.1");
  EXPECT_EQ(realToJson(1e-300).dump(), "1e-300");
  EXPECT_EQ(realToJson(-std::numeric_limits<double>::infinity()), "-Infinity");
  EXPECT_EQ(singleToJson(std::numeric_limits<float>::quiet_NaN()), "NaN");
  double value = 0.0;
  EXPECT_FALSE(realFromJson(Json("nan"), value));
  EXPECT_FALSE(realFromJson(Json(nullptr), value));
}

TEST(RecordJson, RefusesWhatIsNotARecord) {
  struct Case {
    const char* what;
    std::function<void(Json&)> spoil;
    const char* message;
  };
  const std::vector<Case> cases = {
      {"missing key", [](Json& j) { j.erase("Mood"); }, "'Mood' is missing"},
      {"unknown key", [](Json& j) { j["Colour"] = 1; }, "'Colour' is not a field"},
      {"unknown nested key", [](Json& j) { j["Facilities"]["Garden"] = 1; },
       "'Facilities.Garden' is not a field"},
      {"missing nested key", [](Json& j) { j["AbilityBlock"].erase("Points"); },
       "'AbilityBlock.Points' is missing"},
      {"Integer too big", [](Json& j) { j["Mood"] = 32768; }, "'Mood' is out of range"},
      {"Integer too small", [](Json& j) { j["GradeRecord"][2][1] = -32769; },
       "'GradeRecord[2][1]' is out of range"},
      {"Integer not whole", [](Json& j) { j["Class"] = 1.5; }, "'Class' must be a whole number"},
      {"Integer as text", [](Json& j) { j["Class"] = "1"; }, "'Class' must be a whole number"},
      {"array too short", [](Json& j) { j["RecentPlaces"].erase(0); },
       "'RecentPlaces' must be an array of 5"},
      {"rows not arrays",
       [](Json& j) {
         j["CrownProgress"] = Json::array({1, 2, 3, 4});
       },
       "'CrownProgress[0]' must be an array of 4"},
      {"text not a string", [](Json& j) { j["Name"] = 5; }, "'Name' must be a string"},
      {"text CP932 cannot hold", [](Json& j) { j["RecentRaceNames"][1] = "😀"; },
       "'RecentRaceNames[1]' holds a character that CP932 cannot hold"},
      {"text too long", [](Json& j) { j["RaceLog"] = std::string(65536, 'a'); },
       "'RaceLog' is longer than a record file can hold"},
      {"unknown Number type", [](Json& j) { j["Money"]["type"] = "Currency"; },
       "'Money.type' must be"},
      {"Number with extra key", [](Json& j) { j["Money"]["unit"] = "GP"; },
       "'Money' must be null or an object"},
      {"Long out of range",
       [](Json& j) {
         j["Prize"] = {{"type", "Long"}, {"value", 2147483648LL}};
       },
       "'Prize.value' is out of range for a Long"},
      {"Single out of range",
       [](Json& j) {
         j["Affection"] = {{"type", "Single"}, {"value", 1e39}};
       },
       "'Affection.value' is out of range for a Single"},
      {"Double as a word", [](Json& j) { j["Money"]["value"] = "lots"; },
       "'Money.value' must be a number"},
      {"GrowthRate null", [](Json& j) { j["GrowthRate"] = nullptr; },
       "'GrowthRate' must be a number"},
      {"not an object", [](Json& j) { j = Json::array(); }, "must be a JSON object"},
      {"nested not an object", [](Json& j) { j["Facilities"] = 3; },
       "'Facilities' must be a JSON object"},
  };
  for (const Case& c : cases) {
    Json json = recordToJson(richRecord());
    c.spoil(json);
    try {
      recordFromJson(json);
      ADD_FAILURE() << c.what << ": accepted";
    } catch (const RecordJsonError& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos)
          << c.what << ": " << error.what();
    }
  }
}

TEST(RecordJson, AcceptsWholeNumbersForRealsAndKeysInAnyOrder) {
  Json json = recordToJson(richRecord());
  json["GrowthRate"] = 9;
  json["Money"] = {{"value", 1000}, {"type", "Double"}};
  json["Affection"] = {{"type", "Single"}, {"value", 2}};
  const Json name = json["Name"];
  json.erase("Name");
  json["Name"] = name;
  const ZekraRecord r = recordFromJson(json);
  EXPECT_EQ(r.GrowthRate, 9.0);
  EXPECT_EQ(r.Money, Number::ofDouble(1000));
  EXPECT_EQ(r.Affection, Number::ofSingle(2.0F));
  EXPECT_EQ(r.Name, "ｴﾚｸﾄﾛｷｭｰｼｮﾆｽﾄ");
}

}  // namespace
}  // namespace zekra::cli
