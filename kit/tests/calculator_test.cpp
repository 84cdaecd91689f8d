#include "calculator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "key_filter.h"
#include "number_text.h"

namespace prolexa {
namespace {

// A core whose check refuses the text "no" and whose solution is the first
// text as one line, so that its width is the test's to choose.
int g_drawnPlaces = -1;

Verdict CheckText(const FormInputs& in) {
  if (in.Text(0) == "no") return {ErrorRefusal("Nechci."), 0};
  return {std::nullopt, 7};
}

DrawSteps DrawText(const FormInputs& in, int state, int places) {
  g_drawnPlaces = places;
  DrawSteps steps;
  steps.Origin(10, 20);
  steps.Line(in.Text(0) + std::to_string(state));
  return steps;
}

constexpr CalculatorCore kCore{.check = CheckText,
                               .draw = DrawText,
                               .profile = {85},
                               .solutionRight = 98,
                               .tooBigText = "Moc velké."};

TEST(Compute, ChecksThenRefusesWhatWouldNotFit) {
  const struct {
    std::string text;
    std::optional<std::string> refusal;
    const char* why;
  } cases[] = {
      {"no", "Nechci.", "the check's own refusal"},
      {"abcdefghij", std::nullopt, "11 characters from x = 10 end at the edge"},
      {"abcdefghijk", "Moc velké.", "one more runs past the window"},
      {"@1@@2@@3@@4@@5@@6@@7@", "Moc velké.", "more root marks than a part holds"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const Verdict verdict = Compute(kCore, FormInputs{{c.text}, {}, {}});
    if (!c.refusal) {
      EXPECT_TRUE(verdict.Accepted());
      EXPECT_EQ(verdict.state, 7) << "the check's state goes to the drawing";
      EXPECT_EQ(g_drawnPlaces, MostPlaces) << "measured at its widest";
    } else {
      ASSERT_TRUE(verdict.refusal.has_value());
      EXPECT_EQ(*verdict.refusal, (Refusal{"Chyba", *c.refusal}));
    }
  }
}

// A core whose solution ends in a result: the first text, then the value
// of the second rounded up to the places.
DrawSteps DrawResult(const FormInputs& in, int, int places) {
  g_drawnPlaces = places;
  DrawSteps steps;
  steps.Origin(10, 20);
  steps.Line("a = |1||2|");
  steps.Line(in.Text(0) + " = ", PlacesNumber{ParseNumber(in.Text(1)), places}, " m");
  steps.Line("b");
  return steps;
}

constexpr CalculatorCore kResultCore{.check = CheckText,
                                     .draw = DrawResult,
                                     .profile = {85},
                                     .solutionRight = 106};

std::vector<std::string> Texts(const std::vector<FormulaLayout>& layouts) {
  std::vector<std::string> texts;
  for (const FormulaLayout& layout : layouts) {
    for (const TextItem& item : layout.texts) texts.push_back(item.text);
  }
  return texts;
}

TEST(Solve, ComposesOnceAndRewritesOnlyTheResultsAtAnotherCount) {
  Solution solution = Solve(kResultCore, FormInputs{{"x", "2.3412"}, {}, {}}, 2);
  ASSERT_TRUE(solution.verdict.Accepted());
  EXPECT_EQ(g_drawnPlaces, MostPlaces) << "drawn once, at its widest";
  EXPECT_EQ(solution.steps.Lines(), (std::vector<std::string>{"a = |1||2|", "x = 2.35 m", "b"}));
  EXPECT_EQ(Texts(solution.layouts), (std::vector<std::string>{"a = ", "1", "2", "x = 2.35 m", "b"}));
  EXPECT_EQ(solution.layouts[2].texts[0].y, 20 + 85 + 30) << "the lines below keep their rows";

  Redraw(kResultCore, 0, solution);
  EXPECT_EQ(solution.places, 0);
  EXPECT_EQ(solution.steps.Lines()[1], "x = 3 m");
  EXPECT_EQ(Texts(solution.layouts)[3], "x = 3 m");
  EXPECT_EQ(RightEdge(solution.layouts[1]), 10 + 7 * 8);
}

TEST(Solve, JudgesTheFitAtTheMostPlaces) {
  // "x = 2.341235 m" reaches 10 + 14 * 8 = 122 > 106 at six places, though
  // "x = 2.35 m" would fit at two: the count may change without a new check.
  const Solution solution = Solve(kResultCore, FormInputs{{"x", "2.341235"}, {}, {}}, 2);
  ASSERT_FALSE(solution.verdict.Accepted());
  EXPECT_EQ(solution.verdict.refusal->text, BigNumbersMessage);
  EXPECT_TRUE(solution.layouts.empty());
}

TEST(FormInputs, AnIndexBeyondTheFormReadsAsNothing) {
  const FormInputs in{{"3"}, {2}, {true}};
  EXPECT_EQ(in.Text(0), "3");
  EXPECT_EQ(in.Text(1), "");
  EXPECT_EQ(in.List(1), -1);
  EXPECT_FALSE(in.Option(1));
}

TEST(RightEdge, CoversEveryKindOfItem) {
  EXPECT_EQ(RightEdge(LayoutFormula("a = @16@", 12, 50, "2", 85)), 12 + 8 * 8)
      << "the text with the root's blanks";
  EXPECT_EQ(RightEdge(LayoutFormula("x = |1||250|", 0, 50, "2", 85)), 7 * 8)
      << "the wider part of the fraction";
  FormulaLayout figure;
  figure.sketches = {SketchItem::Line({0, 0}, {452, 150}), SketchItem::Label({448, 152}, "Áb")};
  EXPECT_EQ(RightEdge(figure), 448 + 16) << "a label counts its characters";
  figure.sketches.push_back(SketchItem::Ellipse({10, 10, 470, 90}));
  EXPECT_EQ(RightEdge(figure), 470);
}

// The walk over the steps that LayOut and so every painted solution take:
// from (0, 0) until the first origin, a hidden line taking no room, the
// superscript text set for the lines after it, and a sketch handed on as its
// own item without moving the row.
TEST(PaintSteps, LaysTheStepsOutOneUnderAnother) {
  struct Recorder : FormulaTarget {
    void Draw(const FormulaLayout& layout) override { drawn.push_back(layout); }
    std::vector<FormulaLayout> drawn;
  } recorder;
  const SketchItem arc = SketchItem::Arc({0, 0, 20, 20}, {20, 10}, {10, 0});
  DrawSteps steps;
  steps.Line("a = 1");
  steps.Line("hidden %");
  steps.Line("x = |1||2|");
  steps.Origin(380, 265);
  steps.Superscript("3");
  steps.Line("V = a^");
  steps.Sketch(arc);
  steps.Line("b");
  PaintSteps(steps, recorder, {65});
  ASSERT_EQ(recorder.drawn.size(), 6u);
  EXPECT_EQ(recorder.drawn[0].texts, (std::vector<TextItem>{{0, 0, TextSize::Main, "a = 1"}}));
  EXPECT_TRUE(recorder.drawn[1].texts.empty());
  EXPECT_EQ(recorder.drawn[2].texts[0], (TextItem{0, 30, TextSize::Main, "x = "}));
  EXPECT_EQ(recorder.drawn[3].texts, (std::vector<TextItem>{{380, 265, TextSize::Main, "V = a"}}));
  EXPECT_EQ(recorder.drawn[3].superscripts,
            (std::vector<TextItem>{{419, 259, TextSize::Small, "3"}}));
  EXPECT_EQ(recorder.drawn[4].sketches, std::vector<SketchItem>{arc});
  EXPECT_TRUE(recorder.drawn[4].texts.empty());
  EXPECT_EQ(recorder.drawn[5].texts, (std::vector<TextItem>{{380, 295, TextSize::Main, "b"}}));
}

TEST(FilterPastedText, KeepsWhatTheFieldsKeysCouldType) {
  const struct {
    const char* pasted;
    KeyField field;
    const char* kept;
  } cases[] = {
      {"3,5", KeyField::Number, "3.5"},
      {" -12 cm\t", KeyField::Number, "12"},
      {" ", KeyField::Number, ""},
      {"-2,5e3", KeyField::SignedNumber, "-2.53"},
      {"3789", KeyField::Rounding, "3"},
      {"a,b -", KeyField::Other, "a,b -"},
      {"1½ž", KeyField::Number, "1"},
      {"1,5 x2", KeyField::Digits, "152"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FilterPastedText(c.pasted, c.field), c.kept) << c.pasted;
  }
}

}  // namespace
}  // namespace prolexa
