#include "utf.h"

#include <gtest/gtest.h>

namespace prolexa {
namespace {

TEST(Utf, RoundTripsCzechAndSlovakLetters) {
  const std::string text = "Zadali jste velké číslá; Zaokruhliť; ů ř ž ľ ô √ 𝑥";
  const std::u32string points = Utf8ToCodePoints(text);
  EXPECT_EQ(CodePointsToUtf8(points), text);
  EXPECT_EQ(CharacterCount("místa"), 5u);
  EXPECT_EQ(CharacterCount("ř"), 1u);
}

TEST(Utf, ReplacesEveryMalformedByte) {
  const std::pair<std::string, std::u32string> cases[] = {
      {"\xff", U"\uFFFD"},
      {"a\xc3", U"a\uFFFD"},            // cut off at the end
      {"\xc3(", U"\uFFFD("},            // a continuation byte missing
      {"\xc0\xaf", U"\uFFFD\uFFFD"},    // overlong slash
      {"\xed\xa0\x80", U"\uFFFD\uFFFD\uFFFD"},  // a surrogate
      {"\xf4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},  // past U+10FFFF
      {"\x80x", U"\uFFFDx"},
  };
  for (const auto& [bytes, points] : cases) EXPECT_EQ(Utf8ToCodePoints(bytes), points);
  EXPECT_EQ(CodePointsToUtf8(std::u32string(1, char32_t(0x110000))), "\xef\xbf\xbd");
}

TEST(Utf, FindsAMalformedByteWhereverTheAsciiRunEnds) {
  // The check reads ASCII eight bytes at a time: a character of two bytes,
  // or a cut one, at every offset across those words.
  for (std::size_t ascii = 0; ascii < 18; ++ascii) {
    const std::string before(ascii, 'a');
    EXPECT_TRUE(IsValidUtf8(before + "\xc3\xa1" + before)) << ascii;
    EXPECT_FALSE(IsValidUtf8(before + "\xc3")) << ascii;
    EXPECT_FALSE(IsValidUtf8(before + "\xff" + before)) << ascii;
  }
}

}  // namespace
}  // namespace prolexa
