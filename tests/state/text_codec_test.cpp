#include "state/text_codec.h"

#include <gtest/gtest.h>

namespace zekra {
namespace {

TEST(Cp932, EncodesTheGamesOwnCharacters) {
  struct Case {
    const char* utf8;
    const char* cp932;
  };
  const Case cases[] = {
      {"マロン", "\x83\x7D\x83\x8D\x83\x93"},
      {"ＧⅠ", "\x82\x66\x87\x54"},
      {"①", "\x87\x40"},
      {"～", "\x81\x60"},
      {"☆", "\x81\x99"},
      {"ｴﾚｸﾄﾛｷｭｰｼｮﾆｽﾄ", "\xB4\xDA\xB8\xC4\xDB\xB7\xAD\xB0\xBC\xAE\xC6\xBD\xC4"},
      {" 5 週目\r\n", " 5 \x8F\x54\x96\xDA\r\n"},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(encodeCp932(c.utf8), c.cp932) << c.utf8;
    EXPECT_EQ(decodeCp932(c.cp932), c.utf8) << c.utf8;
    EXPECT_TRUE(cp932CanHold(c.utf8)) << c.utf8;
  }
}

TEST(Cp932, CharactersItCannotHoldBecomeQuestionMarks) {
  EXPECT_FALSE(cp932CanHold("馬😀"));
  EXPECT_EQ(encodeCp932("馬😀ü!"),
            "\x94\x6E?"
            "?!");
  // Malformed UTF-8: a lone continuation byte, and a truncated sequence that
  // must not swallow the letter after it.
  EXPECT_EQ(encodeCp932("a\x80"
                        "b"),
            "a?b");
  EXPECT_EQ(encodeCp932("a\xE3\x83"
                        "b"),
            "a?b");
  EXPECT_EQ(encodeCp932("end\xE3"), "end?");
}

TEST(Cp932, BytesThatAreNotCp932ReadAsReplacementCharacters) {
  EXPECT_EQ(decodeCp932("\x80"), "\xEF\xBF\xBD");
  EXPECT_EQ(decodeCp932("A\x82"), "A\xEF\xBF\xBD");            // a lead byte at the end
  EXPECT_EQ(decodeCp932("\x82\x0D\x0A"), "\xEF\xBF\xBD\r\n");  // its partner is kept
  EXPECT_EQ(decodeCp932(std::string("a\0b", 3)), std::string("a\0b", 3));
}

// The text with every U+FFFD as "?", which is what writing it keeps.
std::string asWritten(std::string text) {
  const std::string replacement = "\xEF\xBF\xBD";
  for (auto at = text.find(replacement); at != std::string::npos; at = text.find(replacement)) {
    text.replace(at, replacement.size(), "?");
  }
  return text;
}

TEST(Cp932, EveryBytePairDecodesToATextThatWritesBackWithoutFurtherLoss) {
  for (int lead = 0; lead < 256; ++lead) {
    for (int trail = 0; trail < 256; ++trail) {
      const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
      const std::string text = decodeCp932(bytes);
      ASSERT_EQ(decodeCp932(encodeCp932(text)), asWritten(text)) << lead << "," << trail;
    }
  }
}

TEST(CharacterCount, CountsCodePoints) {
  EXPECT_EQ(characterCount("マロン"), 3U);
  EXPECT_EQ(characterCount("ｴﾚｸﾄﾛｷｭｰｼｮﾆｽﾄ"), 13U);
  EXPECT_EQ(characterCount("abc"), 3U);
}

}  // namespace
}  // namespace zekra
