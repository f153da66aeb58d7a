#include "state/text_fitting.h"

#include <string>

#include <gtest/gtest.h>

#include "state/record_file.h"
#include "state/text_codec.h"

namespace zekra {
namespace {

// A week's entry as the weekly turn writes it: week, " 週目", the report.
std::string weekEntry(int week, const std::string& report) {
  return (week < 0 ? std::to_string(week) : " " + std::to_string(week)) + " 週目\r\n" + report +
         "\r\n";
}

std::string raceEntry(int week) {
  return "第" + std::to_string(week) + "週\r\nＧⅠ日本ダービー 1着\r\n獲得賞金額 15000万\r\n\r\n";
}

TEST(TextFitting, TextsThatFitAreUnchanged) {
  const std::string text = encodeCp932(weekEntry(1, "よし"));
  EXPECT_EQ(fitRecordText(text, TextKind::TrainingLog), text);
  const std::string exact(kMaxRecordTextBytes, 'a');
  EXPECT_EQ(fitRecordText(exact, TextKind::Plain), exact);
}

TEST(TextFitting, TheTrainingLogDropsWholeOldestEntries) {
  // Newest first: weeks 400 down to -1, each entry well over 100 bytes.
  std::string log;
  for (int week = 400; week >= -1; --week) log += weekEntry(week, std::string(150, 'x') + "調子");
  const std::string bytes = encodeCp932(log);
  ASSERT_GT(bytes.size(), kMaxRecordTextBytes);
  const std::string fitted = fitRecordText(bytes, TextKind::TrainingLog);
  ASSERT_LE(fitted.size(), kMaxRecordTextBytes);
  EXPECT_EQ(bytes.substr(0, fitted.size()), fitted);  // the newest part is kept
  const std::string kept = decodeCp932(fitted);
  EXPECT_EQ(kept.rfind(" 週目\r\n") != std::string::npos, true);
  EXPECT_TRUE(kept.ends_with("調子\r\n")) << "the last kept entry is whole";
  // No further whole entry would have fitted.
  const std::size_t next = encodeCp932(weekEntry(0, std::string(150, 'x') + "調子")).size();
  EXPECT_GT(fitted.size() + next, kMaxRecordTextBytes);
}

TEST(TextFitting, TheRaceLogDropsWholeOldestEntries) {
  std::string log;
  for (int week = 2000; week >= 1; --week) log += raceEntry(week);
  const std::string bytes = encodeCp932(log);
  ASSERT_GT(bytes.size(), kMaxRecordTextBytes);
  const std::string fitted = fitRecordText(bytes, TextKind::RaceLog);
  ASSERT_LE(fitted.size(), kMaxRecordTextBytes);
  const std::string kept = decodeCp932(fitted);
  EXPECT_TRUE(kept.starts_with(raceEntry(2000)));
  EXPECT_TRUE(kept.ends_with("万\r\n\r\n"));
  EXPECT_GT(fitted.size() + encodeCp932(raceEntry(1)).size(), kMaxRecordTextBytes);
}

TEST(TextFitting, OtherTextsAreCutAtACharacterBoundary) {
  // One ASCII byte, then double-byte characters: the limit falls inside one.
  std::string horses;
  for (int i = 0; i < 40000; ++i) horses += "馬";
  const std::string bytes = "a" + encodeCp932(horses);
  const std::string fitted = fitRecordText(bytes, TextKind::Plain);
  EXPECT_EQ(fitted.size(), kMaxRecordTextBytes);  // 1 + 32767 · 2
  EXPECT_EQ(decodeCp932(fitted).find("\xEF\xBF\xBD"), std::string::npos);

  // A log whose newest entry alone is too long falls back to the same cut.
  const std::string huge = encodeCp932(weekEntry(3, std::string(70000, 'y')));
  EXPECT_EQ(fitRecordText(huge, TextKind::TrainingLog).size(), kMaxRecordTextBytes);
}

TEST(TextFitting, TheRecordFileNeverWritesAWrongLength) {
  ZekraRecord record;
  for (int week = 600; week >= 0; --week)
    record.TrainingLog += weekEntry(week, std::string(120, 'z'));
  record.Name = std::string(70000, 'n');
  const auto bytes = encodeRecord(record);
  const ZekraRecord back = decodeRecord(bytes);
  EXPECT_EQ(back.Name, std::string(kMaxRecordTextBytes, 'n'));
  EXPECT_TRUE(record.TrainingLog.starts_with(back.TrainingLog));
  EXPECT_TRUE(back.TrainingLog.ends_with(std::string(120, 'z') + "\r\n"));
  EXPECT_EQ(back.GameTime, 0);
  EXPECT_EQ(back.CrownProgress, record.CrownProgress);
}

}  // namespace
}  // namespace zekra
