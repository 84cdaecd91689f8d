#include "trigona_solver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula.h"

namespace prolexa::trigona {
namespace {

constexpr int mm = 0, cm = 1, m = 3;

struct RefusalCase {
  const char* why;
  SideTexts sides;
  SideUnits units;
  std::string_view message;
};

TEST(SolveRightTriangle, RefusesWithTheFirstMessageThatApplies) {
  const RefusalCase cases[] = {
      {"all three sides", {"3", "4", "5"}, {}, AllSidesMessage},
      {"only one side", {"", "4", ""}, {}, OneSideMessage},
      {"no side", {"", "", ""}, {}, NoSideMessage},
      {"a blank is text, not an empty side", {" ", "4", " "}, {}, AllSidesMessage},
      {"leg equal to hypotenuse", {"5", "", "5"}, {}, NotRightTriangleMessage},
      {"leg longer than hypotenuse", {"", "6", "5"}, {}, NotRightTriangleMessage},
      {"the leg is longer once in one unit", {"", "3", "5"}, {cm, m, cm},
       NotRightTriangleMessage},
      {"a square above the limit", {"1000000", "1", ""}, {}, BigNumbersMessage},
      {"a value above the limit", {"1000000000000", "", "1"}, {}, BigNumbersMessage},
      {"the sum of squares above the limit", {"800000", "700000", ""}, {}, BigNumbersMessage},
      {"the limit applies after conversion into the sought unit", {"", "2", "1000"},
       {mm, m, m}, BigNumbersMessage},
      {"big numbers are checked before the triangle", {"", "1e7", "1"}, {},
       BigNumbersMessage},
      {"an infinity", {"inf", "3", ""}, {}, BigNumbersMessage},
      {"not-a-number", {"nan", "3", ""}, {}, BigNumbersMessage},
      {"a pasted negative leg longer than the hypotenuse leaves nothing under the root",
       {"", "-6", "5"}, {}, NotRightTriangleMessage},
      {"a pasted negative leg as long as the hypotenuse", {"-5", "", "5"}, {},
       NotRightTriangleMessage},
  };
  for (const RefusalCase& c : cases) {
    SCOPED_TRACE(c.why);
    const CheckResult result = SolveRightTriangle(c.sides, c.units);
    EXPECT_EQ(result.state, NoSolution);
    ASSERT_TRUE(result.refusal.has_value());
    EXPECT_EQ(result.refusal->caption, "Chyba");
    EXPECT_EQ(result.refusal->text, c.message);
  }
}

struct SolutionCase {
  const char* why;
  SideTexts sides;
  SideUnits units;
  bool showUnits;
  int places;
  SolutionState state;
  std::vector<std::string> lines;
};

TEST(DrawRightTriangleSolution, WritesTheSixLines) {
  const SolutionCase cases[] = {
      {"the worked example", {"", "3", "5"}, {cm, cm, cm}, true, 2, SideA,
       {"a^ = c^ - b^", "a^ = 5^cm - 3^cm", "a^ = 25cm - 9cm", "a = @25cm - 9cm@",
        "a = @16cm@", "a = 4cm"}},
      {"known sides converted into the sought side's unit", {"", "3", "5"}, {mm, cm, m},
       true, 2, SideA,
       {"a^ = c^ - b^", "a^ = 5000^mm - 30^mm", "a^ = 25000000mm - 900mm",
        "a = @25000000mm - 900mm@", "a = @24999100mm@", "a = 4999.91mm"}},
      {"leg b sought", {"3", "", "5"}, {m, m, m}, true, 2, SideB,
       {"b^ = c^ - a^", "b^ = 5^m - 3^m", "b^ = 25m - 9m", "b = @25m - 9m@", "b = @16m@",
        "b = 4m"}},
      {"hypotenuse at no places", {"3", "4", ""}, {m, m, m}, true, 0, SideC,
       {"c^ = a^ + b^", "c^ = 3^m + 4^m", "c^ = 9m + 16m", "c = @9m + 16m@", "c = @25m@",
        "c = 5m"}},
      {"without units", {"3", "4", ""}, {cm, cm, cm}, false, 2, SideC,
       {"c^ = a^ + b^", "c^ = 3^ + 4^", "c^ = 9 + 16", "c = @9 + 16@", "c = @25@", "c = 5"}},
      {"a pasted negative second value in parentheses", {"", "-3", "5"}, {m, m, m}, true, 2,
       SideA,
       {"a^ = c^ - b^", "a^ = 5^m - (-3)^m", "a^ = 25m - 9m", "a = @25m - 9m@", "a = @16m@",
        "a = 4m"}},
      {"the sum is written plain, a difference rounded up", {"0.1", "4", ""}, {m, m, m},
       true, 6, SideC,
       {"c^ = a^ + b^", "c^ = 0.1^m + 4^m", "c^ = 0.01m + 16m", "c = @0.01m + 16m@",
        "c = @16.01m@", "c = 4.00125m"}},
      {"a root rounded up at no places", {"1", "1", ""}, {m, m, m}, true, 0, SideC,
       {"c^ = a^ + b^", "c^ = 1^m + 1^m", "c^ = 1m + 1m", "c = @1m + 1m@", "c = @2m@",
        "c = 2m"}},
      {"a list without selection: no unit and no scaling", {"", "3", "5"}, {-1, cm, 7}, true,
       2, SideA,
       {"a^ = c^ - b^", "a^ = 5^ - 3^", "a^ = 25 - 9", "a = @25 - 9@", "a = @16@", "a = 4"}},
  };
  for (const SolutionCase& c : cases) {
    SCOPED_TRACE(c.why);
    const CheckResult check = SolveRightTriangle(c.sides, c.units);
    ASSERT_FALSE(check.refusal.has_value());
    ASSERT_EQ(check.state, c.state);
    const DrawSteps steps =
        DrawRightTriangleSolution(check.state, c.sides, c.units, c.showUnits, c.places);
    ASSERT_FALSE(steps.Steps().empty());
    EXPECT_EQ(steps.Steps()[0].kind, DrawStep::Kind::Origin);
    EXPECT_EQ(steps.Steps()[0].x, 12);
    EXPECT_EQ(steps.Steps()[0].y, 230);
    EXPECT_EQ(steps.Lines(), c.lines);
  }
}

TEST(DrawRightTriangleSolution, ConvertsWithTheSelectionsAtDrawingTime) {
  // The drawing converts with the selections it is handed, not those of the check.
  const SideTexts sides{"", "3", "5"};
  ASSERT_EQ(SolveRightTriangle(sides, {m, m, m}).state, SideA);
  const DrawSteps steps = DrawRightTriangleSolution(SideA, sides, {cm, m, m}, true, 2);
  EXPECT_EQ(steps.Lines()[5], "a = 400cm");
}

class Recorder : public FormulaTarget {
 public:
  void Draw(const FormulaLayout& layout) override { rows.push_back(layout.texts[0].y); }
  std::vector<int> rows;
};

TEST(DrawRightTriangleSolution, LinesFallThirtyPixelsApart) {
  const SideTexts sides{"", "3", "5"};
  Recorder recorder;
  PaintSteps(DrawRightTriangleSolution(SideA, sides, {}, true, 2), recorder, Formulas);
  EXPECT_EQ(recorder.rows, (std::vector<int>{230, 260, 290, 320, 350, 380}));
}

TEST(DrawTriangleFigure, IsTheRightTriangleWithItsLetters) {
  std::vector<DrawStep> want;
  const auto sketch = [&want](SketchItem item) {
    want.push_back({DrawStep::Kind::Sketch, 0, 0, {}, std::move(item)});
  };
  // The right angle at C: a vertical, b horizontal, c the slope.
  sketch(SketchItem::Polyline({{350, 78}, {350, 150}, {452, 150}, {350, 78}}));
  sketch(SketchItem::Label({448, 152}, "A"));
  sketch(SketchItem::Label({346, 65}, "B"));
  sketch(SketchItem::Label({346, 152}, "C"));
  sketch(SketchItem::Label({340, 110}, "a"));
  sketch(SketchItem::Label({395, 152}, "b"));
  sketch(SketchItem::Label({400, 98}, "c"));
  const DrawSteps figure = DrawTriangleFigure();
  const std::vector<DrawStep>& drawn = figure.Steps();
  ASSERT_EQ(drawn.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(drawn[i].kind, want[i].kind) << i;
    EXPECT_EQ(drawn[i].sketch, want[i].sketch) << i;
  }
}

TEST(Compute, TheWidestSidesStillFitTheWindow) {
  // Squares and their sum at the limit, written with six decimals and units.
  const FormInputs widest{{"", "707106.781185", "707106.781186"}, {0, 0, 0}, {true}};
  const Verdict verdict = Compute(Core, widest);
  ASSERT_TRUE(verdict.Accepted()) << verdict.refusal->text;
  EXPECT_TRUE(StepsFit(Core.draw(widest, verdict.state, 6), Formulas, Core.solutionRight));
  const FormInputs sum{{"707106.123456", "555555.123456", ""}, {0, 0, 0}, {true}};
  EXPECT_TRUE(Compute(Core, sum).Accepted());
}

}  // namespace
}  // namespace prolexa::trigona
