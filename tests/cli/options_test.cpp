#include "cli/options.h"

#include <sstream>

#include <gtest/gtest.h>

#include "cli/cli.h"
#include "cli/cli_error.h"

namespace zekra::cli {
namespace {

TEST(ParseDraws, TakesEachNumberAsTheGeneratorsSingle) {
  EXPECT_EQ(parseDraws("0,0.5,0.1"), (std::vector<float>{0.0F, 0.5F, 0.1F}));
  EXPECT_EQ(parseDraws(" 0.25\n0.75 ,\t0.5\n", true), (std::vector<float>{0.25F, 0.75F, 0.5F}));
  EXPECT_EQ(parseDraws("", true), std::vector<float>{});
}

TEST(ParseDraws, RefusesWhatIsNotADrawInZeroToOne) {
  for (const char* list :
       {"1", "-0.1", "0.5,", "0.5,,0.2", "x", "0.99999999", "nan", "0.5 0.2", "1e400", ""}) {
    EXPECT_THROW(parseDraws(list), BadInput) << list;
  }
  EXPECT_THROW(parseDraws("0.1 1.0", true), BadInput);
}

TEST(ParseInteger, ChecksWholeNumberAndRange) {
  EXPECT_EQ(parseInteger("-1", "class", -1, 12), -1);
  EXPECT_EQ(parseInteger("12", "class", -1, 12), 12);
  for (const char* text : {"13", "-2", "1.5", "", "7x", "99999999999999999999"}) {
    EXPECT_THROW(parseInteger(text, "class", -1, 12), BadInput) << text;
  }
}

TEST(ParseSeed, AcceptsSixtyFourBitsOnly) {
  EXPECT_EQ(parseSeed("18446744073709551615"), 18446744073709551615ULL);
  for (const char* text : {"-1", "18446744073709551616", "", "0x10"}) {
    EXPECT_THROW(parseSeed(text), BadInput) << text;
  }
}

TEST(GeneratorChoice, ScriptedRunsOutAsDrawsExhausted) {
  auto choice = GeneratorChoice::scripted({0.5F});
  EXPECT_EQ(choice.rng().next(), 0.5F);
  EXPECT_THROW(choice.rng().next(), DrawsExhausted);
  EXPECT_EQ(choice.drawsUsed(), 1U);
}

}  // namespace
}  // namespace zekra::cli
