#include "plain_text.h"

#include <gtest/gtest.h>

#include "solution.h"

namespace prolexa {
namespace {

std::string TextOf(std::string_view line, std::string_view superscript = "2") {
  return LineText(LayoutFormula(line, 12, 230, superscript, 85));
}

TEST(LineText, WritesTheMarksAsPlainMathematics) {
  const struct {
    const char* markup;
    const char* superscript;
    const char* text;
  } cases[] = {
      {"a^ = c^ - b^", "2", "a² = c² - b²"},
      {"V = a^", "3", "V = a³"},
      {"e^x", "x", "e^xx"},
      {"a = @25cm - 9cm@", "2", "a = √(25cm - 9cm)"},
      {"c^ = @a^ + b^@", "2", "c² = √(a² + b²)"},
      {"x1/2 = | -b +- @-D@||2a|", "2", "x1/2 = ( -b +- √(-D))/(2a)"},
      {"x = |1||@4@| m", "2", "x = (1)/(√(4)) m"},
      {"s = |a^||2| + |b||3|", "2", "s = (a²)/(2) + (b)/(3)"},
      {"a | b", "2", "a  b"},  // a lone bar is not drawn
  };
  for (const auto& c : cases) EXPECT_EQ(TextOf(c.markup, c.superscript), c.text) << c.markup;
}

TEST(SolutionText, GivesOneLineForEveryDrawnLineInOrder) {
  DrawSteps steps;
  steps.Origin(12, 230);
  steps.Line("a^ = 9");
  steps.Line("%hidden");
  steps.Sketch(SketchItem::Line({0, 0}, {5, 5}));
  steps.Origin(380, 265);
  steps.Line("x2 = |1||2|");
  const std::vector<std::string> lines =
      SolutionText(LayOut(steps, FormulaProfile{85}));
  EXPECT_EQ(lines, (std::vector<std::string>{"a² = 9", "x2 = (1)/(2)"}));
}

}  // namespace
}  // namespace prolexa
