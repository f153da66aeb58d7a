#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/cli.h"
#include "cli/record_json.h"
#include "state/record_file.h"
#include "support/temporary_folder.h"

namespace zekra::cli {
namespace {

class RecordCommand : public ::testing::Test {
 protected:
  int cli(const std::vector<std::string>& arguments) {
    out_.str("");
    err_.str("");
    return run(arguments, out_, err_);
  }

  std::string path(const char* name) const { return (folder_ / name).string(); }
  void writeText(const char* name, const std::string& text) const { folder_.write(name, text); }
  std::string readBytes(const char* name) const { return folder_.read(name); }

  testing::TemporaryFolder folder_;
  std::ostringstream out_, err_;
};

TEST_F(RecordCommand, DumpOfAFileWrittenByTheGameWritesBackToTheSameBytes) {
  ZekraRecord horse;
  horse.Name = "マロン";
  horse.Money = Number::ofDouble(750);
  horse.Prize = Number::ofLong(40000);
  horse.Affection = Number::ofSingle(0.3F);
  horse.GrowthRate = 8.2;
  horse.RaceLog = "第12週\r\nＧⅠ皐月賞 1着\r\n獲得賞金額 9000万\r\n\r\n";
  WriteRecord(path("horse.dat"), horse);

  ASSERT_EQ(cli({"record", "dump", path("horse.dat")}), kSuccess) << err_.str();
  writeText("horse.json", out_.str());
  EXPECT_EQ(nlohmann::ordered_json::parse(out_.str())["Name"], "マロン");
  ASSERT_EQ(cli({"record", "write", path("horse.json"), path("again.dat")}), kSuccess)
      << err_.str();
  EXPECT_EQ(readBytes("again.dat"), readBytes("horse.dat"));
  EXPECT_EQ(err_.str(), "");
}

TEST_F(RecordCommand, DumpNeverCreatesTheFileItIsAskedToRead) {
  EXPECT_EQ(cli({"record", "dump", path("log.dat")}), kBadInput);
  EXPECT_NE(err_.str().find("no such file"), std::string::npos) << err_.str();
  EXPECT_EQ(out_.str(), "");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "log.dat"));
  EXPECT_EQ(cli({"record", "dump", folder_.path().string()}), kBadInput);
}

TEST_F(RecordCommand, DumpReadsDamagedFilesWithoutFault) {
  writeText("garbage.dat", std::string("\xFF\xFF\x01\x02garbage", 11));
  EXPECT_EQ(cli({"record", "dump", path("garbage.dat")}), kSuccess) << err_.str();
  EXPECT_EQ(nlohmann::ordered_json::parse(out_.str())["Name"], "");
  writeText("empty.dat", "");
  EXPECT_EQ(cli({"record", "dump", path("empty.dat")}), kSuccess);
}

TEST_F(RecordCommand, BadInputWritesNothingAndExitsWithTwo) {
  const std::string good = recordToJson(ZekraRecord{}).dump();
  writeText("malformed.json", good.substr(0, good.size() / 2));
  writeText("unknown.json", good.substr(0, good.size() - 1) + R"(,"Colour":1})");
  const std::vector<std::vector<std::string>> cases = {
      {"record", "write", path("malformed.json"), path("out.dat")},
      {"record", "write", path("unknown.json"), path("out.dat")},
      {"record", "write", path("missing.json"), path("out.dat")},
      {"record", "write", path("malformed.json")},
      {"record", "dump"},
      {"record", "print", path("x")},
      {"record"},
      {"gallop"},
      {},
  };
  for (const auto& arguments : cases) {
    EXPECT_EQ(cli(arguments), kBadInput) << ::testing::PrintToString(arguments);
    EXPECT_NE(err_.str().find("zekra-cli: "), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "out.dat"));
  }
  writeText("good.json", good);
  EXPECT_EQ(cli({"record", "write", path("good.json"), path("no/such/folder.dat")}), kBadInput);
  EXPECT_EQ(cli({"record", "write", path("good.json"), path("out.dat")}), kSuccess);
  EXPECT_EQ(readBytes("out.dat"), std::string(316, '\0'));
}

TEST_F(RecordCommand, HelpGoesToStandardOutput) {
  EXPECT_EQ(cli({"--help"}), kSuccess);
  EXPECT_NE(out_.str().find("record dump FILE"), std::string::npos);
}

}  // namespace
}  // namespace zekra::cli
