#include "state/record_file.h"

#include <bit>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/temporary_folder.h"

namespace zekra {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Assembles record bytes by hand, independently of the writer.
class ByteBuilder {
 public:
  ByteBuilder& i16(int value) { return raw(static_cast<std::uint16_t>(value), 2); }
  ByteBuilder& i32(long long value) { return raw(static_cast<std::uint32_t>(value), 4); }
  ByteBuilder& f32(float value) { return raw(std::bit_cast<std::uint32_t>(value), 4); }
  ByteBuilder& f64(double value) { return raw(std::bit_cast<std::uint64_t>(value), 8); }
  ByteBuilder& text(std::string_view cp932) {
    i16(static_cast<int>(cp932.size()));
    bytes.insert(bytes.end(), cp932.begin(), cp932.end());
    return *this;
  }
  ByteBuilder& emptyNumber() { return i16(0); }
  Bytes bytes;

 private:
  ByteBuilder& raw(std::uint64_t value, int count) {
    for (int i = 0; i < count; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    return *this;
  }
};

// The half-width katakana name and the week entry with its CR LF, in CP932.
constexpr std::string_view kKatakana = "\xB4\xDA\xB8\xC4\xDB\xB7\xAD\xB0\xBC\xAE\xC6\xBD\xC4";
constexpr std::string_view kMaron = "\x83\x7D\x83\x8D\x83\x93";
constexpr std::string_view kLogEntry = " 5 \x8F\x54\x96\xDA\r\n\xB4\xDA\r\n";

// A record where every Integer holds its place in the file (1..142, Reserved1
// negative), so a field read from the wrong offset shows.
Bytes handAssembledRecord() {
  ByteBuilder b;
  int place = 0;
  auto next = [&] { return ++place; };
  b.text(kMaron);                                          // Name
  b.i16(next());                                           // Class = 1
  b.i16(3).i32(1234567);                                   // Prize: Long
  for (int i = 0; i < 11; ++i) b.i16(next());              // Mood .. HurdleBase = 2..12
  next();                                                  // Reserved1 is place 13,
  b.i16(-2);                                               // stored negative
  for (int i = 0; i < 9; ++i) b.i16(next());               // Weight .. Unplaced = 14..22
  for (int i = 0; i < 24; ++i) b.i16(next());              // GradeRecord = 23..46
  for (int i = 0; i < 10; ++i) b.i16(next());              // RecentPlaces, RecentRaceClass
  b.f64(12.25);                                            // GrowthRate
  b.i16(next());                                           // GrowthType = 57
  b.i16(4).f32(0.5F);                                      // Affection: Single
  b.text(kKatakana).text("").text("").text("").text("A");  // RecentRaceNames
  for (int i = 0; i < 5; ++i) b.i16(next());               // Sex .. Reserved2 = 58..62
  b.text(kLogEntry).text("");                              // TrainingLog, RaceLog
  for (int i = 0; i < 20; ++i) b.i16(next());              // FaceState .. GutsPotential
  b.text("");                                              // Facilities.Label
  for (int i = 0; i < 8; ++i) b.i16(next());               // Stable .. Recorder = 83..90
  for (int i = 0; i < 34; ++i) b.i16(next());              // AbilityBlock = 91..124
  b.i16(next());                                           // GameTime = 125
  b.i16(5).f64(-1234.5);                                   // Money: Double
  b.i16(next());                                           // EntryWeek = 126
  for (int i = 0; i < 16; ++i) b.i16(next());              // CrownProgress = 127..142
  EXPECT_EQ(place, 142);
  return b.bytes;
}

TEST(RecordFile, HandAssembledBytesReadIntoTheRightFields) {
  const Bytes bytes = handAssembledRecord();
  const ZekraRecord r = decodeRecord(bytes);
  EXPECT_EQ(r.Name, "マロン");
  EXPECT_EQ(r.Class, 1);
  EXPECT_EQ(r.Prize, Number::ofLong(1234567));
  EXPECT_EQ(r.Mood, 2);
  EXPECT_EQ(r.HurdleBase, 12);
  EXPECT_EQ(r.Reserved1, -2);
  EXPECT_EQ(r.Weight, 14);
  EXPECT_EQ(r.Unplaced, 22);
  EXPECT_EQ(r.GradeRecord[0][0], 23);
  EXPECT_EQ(r.GradeRecord[0][3], 26);
  EXPECT_EQ(r.GradeRecord[1][0], 27);  // row by row
  EXPECT_EQ(r.GradeRecord[5][3], 46);
  EXPECT_EQ(r.RecentPlaces[0], 47);
  EXPECT_EQ(r.RecentRaceClass[4], 56);
  EXPECT_EQ(r.GrowthRate, 12.25);
  EXPECT_EQ(r.GrowthType, 57);
  EXPECT_EQ(r.Affection, Number::ofSingle(0.5F));
  EXPECT_EQ(r.RecentRaceNames[0], "ｴﾚｸﾄﾛｷｭｰｼｮﾆｽﾄ");
  EXPECT_EQ(r.RecentRaceNames[4], "A");
  EXPECT_EQ(r.Sex, 58);
  EXPECT_EQ(r.Reserved2, 62);
  EXPECT_EQ(r.TrainingLog, " 5 週目\r\nｴﾚ\r\n");
  EXPECT_EQ(r.RaceLog, "");
  EXPECT_EQ(r.FaceState, 63);
  EXPECT_EQ(r.TrainerEffect[0], 64);
  EXPECT_EQ(r.TrainerEffectBase[4], 73);
  EXPECT_EQ(r.Reserved3, 74);
  EXPECT_EQ(r.MoodPotential, 75);
  EXPECT_EQ(r.GutsPotential, 82);
  EXPECT_EQ(r.Facilities.Label, "");
  EXPECT_EQ(r.Facilities.Stable, 83);
  EXPECT_EQ(r.Facilities.Recorder, 90);
  EXPECT_EQ(r.AbilityBlock.Points, 91);
  EXPECT_EQ(r.AbilityBlock.Abilities[0], 92);
  EXPECT_EQ(r.AbilityBlock.Abilities[32], 124);
  EXPECT_EQ(r.GameTime, 125);
  EXPECT_EQ(r.Money, Number::ofDouble(-1234.5));
  EXPECT_EQ(r.EntryWeek, 126);
  EXPECT_EQ(r.CrownProgress[0][0], 127);
  EXPECT_EQ(r.CrownProgress[3][3], 142);

  EXPECT_EQ(encodeRecord(r), bytes) << "writing it back must give the same bytes";
}

TEST(RecordFile, AnAllEmptyRecordIs316ZeroBytes) {
  const Bytes bytes = encodeRecord(ZekraRecord{});
  EXPECT_EQ(bytes, Bytes(316, 0));
  EXPECT_EQ(decodeRecord(bytes), ZekraRecord{});
}

TEST(RecordFile, EveryTextAddsItsBytesAndEveryNumberItsValue) {
  ZekraRecord record;
  record.Name = "マロン";
  record.Money = Number::ofWhole(1000);
  const Bytes bytes = encodeRecord(record);
  EXPECT_EQ(bytes.size(), 316U + 6 + 2);
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 8),
            (Bytes{6, 0, 0x83, 0x7D, 0x83, 0x8D, 0x83, 0x93}));
  EXPECT_EQ(decodeRecord(bytes), record);
}

TEST(RecordFile, AShortFileReadsItsMissingFieldsAsZero) {
  const Bytes full = handAssembledRecord();
  // Cut in the middle of Mood (offset 8 + 2 + 6 = 16, one byte of it present).
  const Bytes cut(full.begin(), full.begin() + 17);
  const ZekraRecord r = decodeRecord(cut);
  EXPECT_EQ(r.Name, "マロン");
  EXPECT_EQ(r.Class, 1);
  EXPECT_EQ(r.Prize, Number::ofLong(1234567));
  EXPECT_EQ(r.Mood, 0);
  EXPECT_EQ(r.CrownProgress[3][3], 0);
  EXPECT_EQ(decodeRecord(Bytes{}), ZekraRecord{});

  // Every prefix of a valid file reads without fault and never invents values.
  for (std::size_t size = 0; size <= full.size(); ++size) {
    const ZekraRecord prefix = decodeRecord(std::span(full.data(), size));
    if (size < full.size()) {
      EXPECT_EQ(prefix.CrownProgress[3][3], 0) << size;
    }
  }
}

TEST(RecordFile, DamageMakesEveryLaterFieldZero) {
  Bytes unknownCode = handAssembledRecord();
  unknownCode[10] = 7;  // Prize's type code: no such code
  const ZekraRecord a = decodeRecord(unknownCode);
  EXPECT_EQ(a.Name, "マロン");
  EXPECT_EQ(a.Class, 1);
  EXPECT_TRUE(a.Prize.isEmpty());
  EXPECT_EQ(a.Mood, 0);
  EXPECT_EQ(a.GameTime, 0);

  Bytes longText = handAssembledRecord();
  longText[0] = 0xFF;  // Name claims 0xFFFF bytes in a file far shorter
  longText[1] = 0xFF;
  EXPECT_EQ(decodeRecord(longText), ZekraRecord{});
}

TEST(RecordFile, InvalidTextBytesReadAsReplacementCharacters) {
  ByteBuilder b;
  b.text("\x80\x41");
  const ZekraRecord r = decodeRecord(b.bytes);
  EXPECT_EQ(r.Name,
            "\xEF\xBF\xBD"
            "A");
}

TEST(RecordFile, ACharacterCp932CannotHoldIsWrittenAsAQuestionMark) {
  ZekraRecord record;
  record.Name = "馬😀";
  const Bytes bytes = encodeRecord(record);
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 5), (Bytes{3, 0, 0x94, 0x6E, '?'}));
}

TEST(RecordFile, CopiesAreIndependentValues) {
  ZekraRecord original = decodeRecord(handAssembledRecord());
  ZekraRecord copy = original;
  copy.TrainingLog += "more";
  copy.RecentRaceNames[0] = "x";
  copy.Money += Number::ofInteger(1);
  EXPECT_EQ(original.TrainingLog, " 5 週目\r\nｴﾚ\r\n");
  EXPECT_EQ(original.RecentRaceNames[0], "ｴﾚｸﾄﾛｷｭｰｼｮﾆｽﾄ");
  EXPECT_EQ(original.Money, Number::ofDouble(-1234.5));
}

class RecordFileOnDisk : public ::testing::Test {
 protected:
  static Bytes contentOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }

  testing::TemporaryFolder folder_;
};

TEST_F(RecordFileOnDisk, WritesAndReadsBack) {
  const ZekraRecord record = decodeRecord(handAssembledRecord());
  const auto path = folder_ / "log.dat";
  WriteRecord(path, record);
  EXPECT_EQ(contentOf(path), handAssembledRecord());
  EXPECT_EQ(ReadRecord(path), record);
}

TEST_F(RecordFileOnDisk, AMissingFileReadsEmptyAndIsNotCreated) {
  const auto path = folder_ / "SaveData0.dat";
  EXPECT_EQ(ReadRecord(path), ZekraRecord{});
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(RecordFileOnDisk, AReplacedLongerFileLeavesNoOldBytesAndNoTemporaryFiles) {
  const auto path = folder_ / "log.dat";
  ZekraRecord big;
  big.TrainingLog = std::string(5000, 'x');
  WriteRecord(path, big);
  WriteRecord(path, ZekraRecord{});
  EXPECT_EQ(contentOf(path), Bytes(316, 0));
  EXPECT_EQ(folder_.entries(), 1);
}

TEST_F(RecordFileOnDisk, AFailedWriteLeavesTheOldFileAndNoTemporaryFiles) {
  const auto path = folder_ / "log.dat";
  ZekraRecord record;
  record.Name = "マロン";
  WriteRecord(path, record);
  EXPECT_THROW(WriteRecord(folder_ / "missing" / "log.dat", ZekraRecord{}), RecordFileError);
  // A target that is a folder cannot be replaced by a file.
  std::filesystem::create_directory(folder_ / "slot");
  EXPECT_THROW(WriteRecord(folder_ / "slot", ZekraRecord{}), RecordFileError);
  EXPECT_EQ(ReadRecord(path).Name, "マロン");
  EXPECT_EQ(folder_.entries(), 2);
}

TEST_F(RecordFileOnDisk, AFolderCannotBeReadAsARecord) {
  EXPECT_THROW(ReadRecord(folder_.path()), RecordFileError);
}

TEST_F(RecordFileOnDisk, OnlyTheRecordIsReadFromAHugeFile) {
  const auto path = folder_ / "huge.dat";
  {
    std::ofstream out(path, std::ios::binary);
    const Bytes record = handAssembledRecord();
    out.write(reinterpret_cast<const char*>(record.data()),
              static_cast<std::streamsize>(record.size()));
    out.seekp(64 * 1024 * 1024);  // a sparse 64 MiB tail
    out.put('\x01');
  }
  EXPECT_EQ(ReadRecord(path), decodeRecord(handAssembledRecord()));
}

}  // namespace
}  // namespace zekra
