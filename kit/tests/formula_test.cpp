#include "formula.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace prolexa {

std::ostream& operator<<(std::ostream& out, const TextItem& t) {
  return out << "text(" << t.x << ", " << t.y << ", "
             << (t.size == TextSize::Main ? "main" : "small") << ", \"" << t.text << "\")";
}
std::ostream& operator<<(std::ostream& out, const RootSign& r) {
  return out << "root(" << r.x << ", " << r.y << ", " << r.w << ")";
}
std::ostream& operator<<(std::ostream& out, const FractionBar& b) {
  return out << "bar(" << b.x1 << ", " << b.y << ", " << b.x2 << ")";
}

namespace {

TextItem Main(int x, int y, std::string text) { return {x, y, TextSize::Main, std::move(text)}; }
TextItem Small(int x, int y, std::string text = "2") {
  return {x, y, TextSize::Small, std::move(text)};
}

struct LayoutCase {
  const char* why;
  const char* line;
  int advance;  // of a fraction line; plain lines move 30
  std::vector<TextItem> texts;
  std::vector<TextItem> superscripts;
  std::vector<RootSign> roots;
  std::vector<FractionBar> bars;
  int expectedAdvance;
};

// Every case is laid out at left 12 with the line's row at 230.
TEST(LayoutFormula, PlacesEveryItemToThePixel) {
  const LayoutCase cases[] = {
      {"squares of a plain line", "a^ = c^ - b^", 85,
       {Main(12, 230, "a = c - b")}, {Small(19, 224), Small(51, 224), Small(83, 224)}, {}, {},
       30},
      {"a root over four characters: marks at 4 and 9", "x = @abcd@", 85,
       {Main(12, 230, "x =  abcd ")}, {}, {{39, 230, 50}}, {}, 30},
      {"three root marks: one sign, three blanks", "@a@b@", 85,
       {Main(12, 230, " a b ")}, {}, {{7, 230, 26}}, {}, 30},
      {"the worked example of the quadratic calculator", "x1/2 = | -b +- @D@||2a|", 65,
       {Main(12, 230, "x1/2 = "), Main(68, 220, " -b +-  D "), Main(68, 246, "2a")}, {},
       {{119, 220, 26}}, {{68, 237, 148}}, 65},
      {"a root in the denominator moves its text down", "|1||@2@|", 85,
       {Main(12, 220, "1"), Main(12, 255, " 2 ")}, {}, {{7, 255, 26}}, {{12, 237, 36}}, 85},
      {"superscripts by their characters, the denominator's clear of the bar", "|a^||b^|", 85,
       {Main(12, 220, "a"), Main(12, 246, "b")}, {Small(19, 212), Small(19, 240)}, {},
       {{12, 237, 20}}, 85},
      {"superscript above a rooted denominator", "|1||@b^@|", 85,
       {Main(12, 220, "1"), Main(12, 255, " b ")}, {Small(27, 249)}, {{7, 255, 26}},
       {{12, 237, 36}}, 85},
      {"a suffix stands past a wide fraction", "|1||0123456789| = x^", 50,
       {Main(12, 220, "1"), Main(12, 246, "0123456789"), Main(92, 230, " = x")},
       {Small(123, 224)}, {}, {{12, 237, 92}}, 50},
      {"past a wide numerator too", "S = |123.456m * 78.9m||2| * 10.5m", 50,
       {Main(12, 230, "S = "), Main(44, 220, "123.456m * 78.9m"), Main(44, 246, "2"),
        Main(172, 230, " * 10.5m")},
       {}, {}, {{44, 237, 172}}, 50},
      {"and right after a narrow one", "|1||2|m^", 50,
       {Main(12, 220, "1"), Main(12, 246, "2"), Main(20, 230, "m")}, {Small(27, 224)}, {},
       {{12, 237, 20}}, 50},
      {"past a superscript hanging out of the fraction", "|a^||b|m", 50,
       {Main(12, 220, "a"), Main(12, 246, "b"), Main(27, 230, "m")}, {Small(19, 212)}, {},
       {{12, 237, 20}}, 50},
      {"a root in the suffix", "|1||2|@s@", 60,
       {Main(12, 220, "1"), Main(12, 246, "2"), Main(20, 230, " s ")}, {},
       {{15, 230, 26}}, {{12, 237, 20}}, 60},
      {"two fractions with a between-text", "p = |1||2| + |3||45|", 85,
       {Main(12, 230, "p = "), Main(44, 220, "1"), Main(44, 246, "2"), Main(52, 230, " + "),
        Main(76, 220, "3"), Main(76, 246, "45")},
       {}, {}, {{44, 237, 52}, {76, 237, 92}}, 85},
      {"fractions side by side with nothing between", "|1||2||3||4|", 85,
       {Main(12, 220, "1"), Main(12, 246, "2"), Main(20, 220, "3"), Main(20, 246, "4")}, {},
       {}, {{12, 237, 20}, {20, 237, 28}}, 85},
      {"a root in the prefix of a fraction line", "@v@ = |1||2|", 85,
       {Main(12, 230, " v  = "), Main(60, 220, "1"), Main(60, 246, "2")}, {},
       {{7, 230, 26}}, {{60, 237, 68}}, 85},
      {"every character is 8 pixels, Czech letters too", "š^ = ř^ + č", 85,
       {Main(12, 230, "š = ř + č")}, {Small(19, 224), Small(51, 224)}, {}, {}, 30},
      {"marks next to Czech letters in a fraction", "x = |@čí@||ň^|", 85,
       {Main(12, 230, "x = "), Main(44, 220, " čí "), Main(44, 246, "ň")}, {Small(51, 240)},
       {{39, 220, 34}}, {{44, 237, 76}}, 85},
      {"a hidden line draws nothing and does not move", "a = |1||2| %", 85, {}, {}, {},
       {}, 0},
      {"an empty line only moves down", "", 85, {}, {}, {}, {}, 30},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(c.why);
    const FormulaLayout layout = LayoutFormula(c.line, 12, 230, "2", c.advance);
    EXPECT_EQ(layout.texts, c.texts);
    EXPECT_EQ(layout.superscripts, c.superscripts);
    EXPECT_EQ(layout.roots, c.roots);
    EXPECT_EQ(layout.bars, c.bars);
    EXPECT_EQ(layout.advance, c.expectedAdvance);
  }
}

TEST(LayoutFormula, DrawsTheWholeSuperscriptTextAtEveryMark) {
  const FormulaLayout layout = LayoutFormula("n^ = 5", 0, 100, "12", 85);
  EXPECT_EQ(layout.superscripts, std::vector<TextItem>{Small(7, 94, "12")});
}

// Mark-up the programs never build must still be laid out without reading or
// writing outside the line.
TEST(LayoutFormula, MalformedMarkupIsLaidOutSafely) {
  struct Malformed {
    const char* line;
    std::vector<TextItem> texts;
    int advance;
  };
  const Malformed cases[] = {
      {"a|b", {Main(0, 50, "ab")}, 30},
      {"a^@b@|c|", {Main(0, 50, "a b c")}, 30},
      {"|||", {}, 30},
      {"|1||2||x", {Main(0, 40, "1"), Main(0, 66, "2"), Main(8, 50, "x")}, 85},
      {"|1||2|||", {Main(0, 40, "1"), Main(0, 66, "2")}, 85},
      {"^^^", {}, 30},
      {"@", {Main(0, 50, " ")}, 30},
      {"|^||^|", {}, 85},
      {"\xff\xfe|", {Main(0, 50, "\xef\xbf\xbd\xef\xbf\xbd")}, 30},
  };
  for (const Malformed& c : cases) {
    SCOPED_TRACE(c.line);
    const FormulaLayout layout = LayoutFormula(c.line, 0, 50, "2", 85);
    EXPECT_EQ(layout.texts, c.texts);
    EXPECT_EQ(layout.advance, c.advance);
  }
}

// Only the window limits a line: the layout holds any number of characters,
// marks and items.
TEST(LayoutFormula, HoldsLinesOfAnyLength) {
  std::string line = "x = ";
  for (int i = 0; i < 30; ++i) line += "|@1234567@^||2^| + ";
  line += std::string(200, 'y');
  const FormulaLayout layout = LayoutFormula(line, 12, 230, "2", 85);
  EXPECT_EQ(layout.bars.size(), 30u);
  EXPECT_EQ(layout.roots.size(), 30u);
  EXPECT_EQ(layout.superscripts.size(), 60u);
  EXPECT_EQ(layout.texts.back().text, " + " + std::string(200, 'y'));
  EXPECT_EQ(RightEdge(layout), layout.texts.back().x + 8 * 203);
}

}  // namespace
}  // namespace prolexa
