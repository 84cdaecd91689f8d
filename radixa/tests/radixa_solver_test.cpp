#include "radixa_solver.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "formula.h"
#include "written_steps.h"

namespace prolexa::radixa {
namespace {

using test::WrittenWithOrigins;

struct RefusalCase {
  const char* why;
  CoefficientTexts texts;
  std::string_view message;
};

TEST(CheckCoefficients, RefusesWithTheFirstMessageThatApplies) {
  const RefusalCase cases[] = {
      {"only b empty", {"1", "", "2"}, SomeValuesMissingMessage},
      {"two values empty", {"", "3", ""}, SomeValuesMissingMessage},
      {"nothing typed", {"", "", ""}, NoValueMessage},
      {"missing values are told before a zero a", {"0", "", "1"}, SomeValuesMissingMessage},
      {"b·b = 10^12 is above the limit", {"1", "1000000", "1"}, BigNumbersMessage},
      {"a negative b squares above the limit too", {"1", "-1000000", "1"}, BigNumbersMessage},
      {"the signed product 4ac above the limit", {"250000", "1", "1000000"}, BigNumbersMessage},
      {"both negative make a positive product", {"-250000", "1", "-1000000"},
       BigNumbersMessage},
      {"big numbers are told before a zero a", {"0", "1000000", "1"}, BigNumbersMessage},
      {"a = 0 is no quadratic equation", {"0", "2", "1"}, NotQuadraticMessage},
      {"a typed as -0", {"-0", "2", "1"}, NotQuadraticMessage},
      {"a lone minus reads as 0", {"-", "2", "1"}, NotQuadraticMessage},
      {"blanks are text, not empty values, and read as 0", {" ", " ", " "},
       NotQuadraticMessage},
      {"2a = 0.0000002 is 0 in six decimals: the roots would divide by it",
       {"0.0000001", "1", "1"}, NotQuadraticMessage},
      {"likewise a negative a that small", {"-0.0000002", "1", "1"}, NotQuadraticMessage},
      {"an infinite a", {"inf", "1", "1"}, BigNumbersMessage},
      {"an infinite a with a negative c: the product is -inf, under the limit",
       {"inf", "1", "-1"}, BigNumbersMessage},
      {"an infinite a with c = 0: the product is not a number", {"inf", "1", "0"},
       BigNumbersMessage},
      {"a not-a-number b", {"1", "nan", "1"}, BigNumbersMessage},
      {"a not-a-number a", {"NaN", "1", "1"}, BigNumbersMessage},
      {"a not-a-number c", {"1", "1", "nan"}, BigNumbersMessage},
      {"an infinite b", {"1", "-inf", "1"}, BigNumbersMessage},
      {"not-a-number fails the size check, before a zero a", {"0", "nan", "1"},
       BigNumbersMessage},
      {"a negative product whose text is 20 characters (-10^11)", {"100000", "0", "-250000"},
       BigNumbersMessage},
      {"a discriminant of 10^12 and more", {"1", "999999", "-2500000000"}, BigNumbersMessage},
      {"twice a too long to write", {"1e15", "1", "0"}, BigNumbersMessage},
      {"roots of 10^12 and more: a tiny a and a big b", {"0.0000003", "999999", "0"},
       BigNumbersMessage},
  };
  for (const RefusalCase& c : cases) {
    SCOPED_TRACE(c.why);
    const CheckResult result = CheckCoefficients(c.texts);
    EXPECT_FALSE(result.valid);
    ASSERT_TRUE(result.refusal.has_value());
    EXPECT_EQ(result.refusal->caption, "Chyba");
    EXPECT_EQ(result.refusal->text, c.message);
    EXPECT_TRUE(DrawQuadraticSolution(c.texts, 2).Steps().empty());
  }
}

FormInputs Typed(const CoefficientTexts& texts) { return {{texts.a, texts.b, texts.c}, {}, {}}; }

TEST(Compute, RefusesSolutionsThatWouldNotFitTheWindow) {
  const std::pair<const char*, CoefficientTexts> refused[] = {
      {"long texts run the discriminant's second line past the window's edge",
       {"-99999.9999", "67918.77860", "-99999.9999"}},
      {"the widest coefficients run the discriminant past the window's edge",
       {"-999.999999", "-999.999999", "-999.999999"}},
      {"so do a long square and product in its third line",
       {"0.37", "-999998.99", "-999999.999"}},
  };
  for (const auto& [why, texts] : refused) {
    SCOPED_TRACE(why);
    EXPECT_TRUE(CheckCoefficients(texts).valid) << "every number can be written";
    const Verdict verdict = Compute(Core, Typed(texts));
    ASSERT_TRUE(verdict.refusal.has_value());
    EXPECT_EQ(*verdict.refusal, (Refusal{"Chyba", std::string(BigNumbersMessage)}));
  }
  // The widest line that still fits ends inside the window.
  EXPECT_TRUE(Compute(Core, Typed({"-9.999", "-99.999", "-9.999"})).Accepted());
  EXPECT_TRUE(Compute(Core, Typed({"0.3", "-999999.91", "-9999.991"})).Accepted());
}

TEST(CheckCoefficients, AcceptsValuesAtTheLimits) {
  const std::pair<const char*, CoefficientTexts> cases[] = {
      {"b = 10^6 - 1: b·b stays under the limit", {"1", "999999", "1"}},
      {"a negative product just under 10^11", {"100000", "0", "-249999"}},
      {"a big a with c = 0", {"99999999999", "1", "0"}},
      {"2a = 0.0000006 shows as 0.000001", {"0.0000003", "1", "1"}},
      {"the same long texts with a shorter b", {"-99999.9999", "-67918.7786", "-99999.9999"}},
  };
  for (const auto& [why, texts] : cases) {
    SCOPED_TRACE(why);
    const CheckResult result = CheckCoefficients(texts);
    EXPECT_TRUE(result.valid);
    EXPECT_FALSE(result.refusal.has_value());
  }
}

struct SolutionCase {
  const char* why;
  CoefficientTexts texts;
  int places;
  std::vector<std::string> steps;
};

TEST(DrawQuadraticSolution, WritesTheWorkedSolution) {
  const SolutionCase cases[] = {
      {"two real roots", {"1", "-3", "2"}, 2,
       {"@420,80", "D = b^ - 4ac", "D = -3^ - 4 * 1 * 2", "D = 9 - 8", "D = 1",
        "@12,200", "x1/2 = | -b +- @D@||2a|", "x1 = |3 + @1@||2 * 1|", "x1 = |3 + 1||2|",
        "x1 = |4||2|", "x1 = 2", "@380,265", "x2 = |3 - @1@||2 * 1|", "x2 = |3 - 1||2|",
        "x2 = |2||2|", "x2 = 1"}},
      {"a double root", {"1", "2", "1"}, 2,
       {"@420,80", "D = b^ - 4ac", "D = 2^ - 4 * 1 * 1", "D = 4 - 4", "D = 0",
        "@12,200", "x = | -b ||2a|", "x = |-2||2 * 1|", "x = |-2||2|", "x = -1"}},
      {"a double root with a = 2", {"2", "4", "2"}, 2,
       {"@420,80", "D = b^ - 4ac", "D = 4^ - 4 * 2 * 2", "D = 16 - 16", "D = 0",
        "@12,200", "x = | -b ||2a|", "x = |-4||2 * 2|", "x = |-4||4|", "x = -1"}},
      {"complex roots, their imaginary parts with i, and the closing sentence", {"1", "2", "5"}, 2,
       {"@420,80", "D = b^ - 4ac", "D = 2^ - 4 * 1 * 5", "D = 4 - 20", "D = -16",
        "@12,200", "x1/2 = | -b +- @-D@||2a|", "x1 = |-2 + @-16@||2 * 1|",
        "x1 = |-2 + 4i||2|", "x1 = -1 + 2i", "@380,265", "x2 = |-2 - @-16@||2 * 1|",
        "x2 = |-2 - 4i||2|", "x2 = -1 - 2i", "@12,430",
        "Tato rovnica nemá v obore reálnych čísel řešení.", "@425,430",
        "Možné ji vypočítat v obore komplexních", "@12,450", "čísel."}},
      {"negative a and c in parentheses, -b = 0 as 0, the imaginary part takes a's sign",
       {"-1", "0", "-4"}, 2,
       {"@420,80", "D = b^ - 4ac", "D = 0^ - 4 * (-1) * (-4)", "D = 0 - 16", "D = -16",
        "@12,200", "x1/2 = | -b +- @-D@||2a|", "x1 = |0 + @-16@||2 * -1|",
        "x1 = |0 + 4i||-2|", "x1 = 0 - 2i", "@380,265", "x2 = |0 - @-16@||2 * -1|",
        "x2 = |0 - 4i||-2|", "x2 = 0 + 2i", "@12,430",
        "Tato rovnica nemá v obore reálnych čísel řešení.", "@425,430",
        "Možné ji vypočítat v obore komplexních", "@12,450", "čísel."}},
      {"a negative product is subtracted in parentheses", {"1", "1", "-2"}, 2,
       {"@420,80", "D = b^ - 4ac", "D = 1^ - 4 * 1 * (-2)", "D = 1 - (-8)", "D = 9",
        "@12,200", "x1/2 = | -b +- @D@||2a|", "x1 = |-1 + @9@||2 * 1|",
        "x1 = |-1 + 3||2|", "x1 = |2||2|", "x1 = 1", "@380,265", "x2 = |-1 - @9@||2 * 1|",
        "x2 = |-1 - 3||2|", "x2 = |-4||2|", "x2 = -2"}},
      {"a discriminant of 4e-7 is 0 in six decimals: the double root",
       {"1", "0", "-0.0000001"}, 2,
       {"@420,80", "D = b^ - 4ac", "D = 0^ - 4 * 1 * 0", "D = 0 - 0", "D = 0",
        "@12,200", "x = | -b ||2a|", "x = |0||2 * 1|", "x = |0||2|", "x = 0"}},
      {"a discriminant of -4e-7 is 0 in six decimals too, written without a sign",
       {"1", "0", "0.0000001"}, 2,
       {"@420,80", "D = b^ - 4ac", "D = 0^ - 4 * 1 * 0.000001", "D = 0 - 0", "D = 0",
        "@12,200", "x = | -b ||2a|", "x = |0||2 * 1|", "x = |0||2|", "x = 0"}},
      {"b typed as -0 is zero: the numerators read 0", {"1", "-0", "-4"}, 2,
       {"@420,80", "D = b^ - 4ac", "D = 0^ - 4 * 1 * (-4)", "D = 0 - (-16)", "D = 16",
        "@12,200", "x1/2 = | -b +- @D@||2a|", "x1 = |0 + @16@||2 * 1|",
        "x1 = |0 + 4||2|", "x1 = |4||2|", "x1 = 2", "@380,265",
        "x2 = |0 - @16@||2 * 1|", "x2 = |0 - 4||2|", "x2 = |-4||2|", "x2 = -2"}},
      {"a negative a with real roots divides by a negative 2a", {"-1", "3", "4"}, 2,
       {"@420,80", "D = b^ - 4ac", "D = 3^ - 4 * (-1) * 4", "D = 9 - (-16)", "D = 25",
        "@12,200", "x1/2 = | -b +- @D@||2a|", "x1 = |-3 + @25@||2 * -1|",
        "x1 = |-3 + 5||-2|", "x1 = |2||-2|", "x1 = -1", "@380,265",
        "x2 = |-3 - @25@||2 * -1|", "x2 = |-3 - 5||-2|", "x2 = |-8||-2|", "x2 = 4"}},
      {"roots rounded up to the places, intermediate values to six", {"1", "-3", "1"}, 0,
       {"@420,80", "D = b^ - 4ac", "D = -3^ - 4 * 1 * 1", "D = 9 - 4", "D = 5",
        "@12,200", "x1/2 = | -b +- @D@||2a|", "x1 = |3 + @5@||2 * 1|",
        "x1 = |3 + 2.236068||2|", "x1 = |5.236068||2|", "x1 = 3", "@380,265",
        "x2 = |3 - @5@||2 * 1|", "x2 = |3 - 2.236068||2|", "x2 = |0.763932||2|", "x2 = 1"}},
  };
  for (const SolutionCase& c : cases) {
    SCOPED_TRACE(c.why);
    ASSERT_TRUE(CheckCoefficients(c.texts).valid);
    const DrawSteps steps = DrawQuadraticSolution(c.texts, c.places);
    EXPECT_EQ(WrittenWithOrigins(steps), c.steps);
    EXPECT_TRUE(StepsFit(steps, Formulas, Core.solutionRight));
  }
}

TEST(DrawQuadraticSolution, WritesTheDiscriminantFromTheTypedTexts) {
  // Lines 2 and 3 of the discriminant block.
  const std::pair<CoefficientTexts, std::pair<std::string, std::string>> rows[] = {
      // A typed value is rounded up to six places from its own text, the
      // product to nearest.
      {{"1", "-3", "2.0000001"}, {"D = -3^ - 4 * 1 * 2.000001", "D = 9 - 8"}},
      // Only the 11 characters a field holds count: the 9 would raise c.
      {{"1", "-3", "2.00000000009"}, {"D = -3^ - 4 * 1 * 2", "D = 9 - 8"}},
      // c typed as -0 is 0, and so is the product, not "-0".
      {{"1", "-2", "-0"}, {"D = -2^ - 4 * 1 * 0", "D = 4 - 0"}},
      // b is never in parentheses, a negative c and product are.
      {{"2", "-1.5", "-0.25"}, {"D = -1.5^ - 4 * 2 * (-0.25)", "D = 2.25 - (-2)"}},
  };
  for (const auto& [texts, lines] : rows) {
    SCOPED_TRACE(texts.a + " " + texts.b + " " + texts.c);
    const std::vector<std::string> drawn = DrawQuadraticSolution(texts, 2).Lines();
    ASSERT_GE(drawn.size(), 8u);
    EXPECT_EQ(drawn[1], lines.first);
    EXPECT_EQ(drawn[2], lines.second);
  }
}

TEST(DrawQuadraticSolution, RoundingChangesOnlyTheRealResults) {
  const CoefficientTexts texts{"1", "-3", "1"};  // roots 2.6180339... and 0.3819660...
  const std::pair<int, std::pair<std::string, std::string>> rows[] = {
      {0, {"x1 = 3", "x2 = 1"}},
      {2, {"x1 = 2.62", "x2 = 0.39"}},
      {6, {"x1 = 2.618034", "x2 = 0.381966"}},
      {9, {"x1 = 2.618034", "x2 = 0.381966"}},  // beyond the selector: its top
  };
  const std::vector<std::string> atTwo = DrawQuadraticSolution(texts, 2).Lines();
  for (const auto& [places, results] : rows) {
    SCOPED_TRACE(places);
    std::vector<std::string> lines = DrawQuadraticSolution(texts, places).Lines();
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[8], results.first);
    EXPECT_EQ(lines[12], results.second);
    lines[8] = atTwo[8];
    lines[12] = atTwo[12];
    EXPECT_EQ(lines, atTwo);
  }
  // The complex roots keep six places whatever the rounding.
  EXPECT_EQ(DrawQuadraticSolution({"3", "1", "1"}, 0).Lines()[7], "x1 = -0.166667 + 0.552771i");
}

class Recorder : public FormulaTarget {
 public:
  void Draw(const FormulaLayout& layout) override {
    rows.emplace_back(layout.texts.at(0).x, layout.texts.at(0).y);
  }
  std::vector<std::pair<int, int>> rows;
};

TEST(DrawQuadraticSolution, SecondRootStandsLevelWithTheFirst) {
  // Left column, then the x2 column from its first line on: with the
  // 65-pixel fraction lines, x2 lines fall on the rows of x1's lines 2 to 5.
  const std::vector<std::pair<int, int>> real = {
      {420, 80},  {420, 110}, {420, 140}, {420, 170}, {12, 200},  {12, 265}, {12, 330},
      {12, 395},  {12, 460},  {380, 265}, {380, 330}, {380, 395}, {380, 460}};
  const std::vector<std::pair<int, int>> complex = {
      {420, 80},  {420, 110}, {420, 140}, {420, 170}, {12, 200},  {12, 265}, {12, 330},
      {12, 395},  {380, 265}, {380, 330}, {380, 395}, {12, 430},  {425, 430}, {12, 450}};
  Recorder two;
  PaintSteps(DrawQuadraticSolution({"1", "-3", "2"}, 2), two, Formulas);
  EXPECT_EQ(two.rows, real);
  Recorder none;
  PaintSteps(DrawQuadraticSolution({"1", "2", "5"}, 2), none, Formulas);
  EXPECT_EQ(none.rows, complex);
}

TEST(DrawQuadraticSolution, EveryAcceptedInputIsWrittenWhole) {
  // Extremes of each kind of text; every combination must either be refused
  // or give lines that fit the layout and hold no infinity or not-a-number.
  const char* const values[] = {"0",           "1",          "-1",          "-2.5",
                                "999999",      "-999999",    "99999999999", "-9999999999",
                                "0.0000003",   "-0.0000001", "1e11",        "inf",
                                "nan",         "67918.77860", "-99999.9999", "-.5e-300"};
  int accepted = 0;
  for (const char* a : values) {
    for (const char* b : values) {
      for (const char* c : values) {
        const CoefficientTexts texts{a, b, c};
        if (!Compute(Core, Typed(texts)).Accepted()) continue;
        ++accepted;
        for (int places = 0; places <= 6; ++places) {
          const DrawSteps steps = DrawQuadraticSolution(texts, places);
          EXPECT_TRUE(StepsFit(steps, Formulas, Core.solutionRight)) << a << " " << b << " " << c;
          const std::vector<std::string> lines = steps.Lines();
          ASSERT_GE(lines.size(), 8u) << a << " " << b << " " << c;
          for (const std::string& line : lines) {
            EXPECT_EQ(line.find("inf"), std::string::npos) << line;
            EXPECT_EQ(line.find("nan"), std::string::npos) << line;
          }
        }
      }
    }
  }
  EXPECT_GT(accepted, 500);
}

}  // namespace
}  // namespace prolexa::radixa
