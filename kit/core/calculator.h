// What a calculator is to the kit, apart from its window: the inputs its form
// captures, and the two functions of its core that check them and draw their
// worked solution.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formula.h"
#include "number_text.h"
#include "solution.h"

namespace prolexa {

// The form as captured at the last compute: the text of every input field,
// the selected entry of every list (-1 for none) and the state of every
// option box, each in the order the form names them, and the exercise the
// form shows (0 where it has only one).
struct FormInputs {
  std::vector<std::string> texts;
  std::vector<int> lists;
  std::vector<bool> options;
  int mode = 0;

  // Empty, -1 and false for an index the form does not have.
  const std::string& Text(std::size_t i) const;
  int List(std::size_t i) const;
  bool Option(std::size_t i) const;
};

// A check's answer: the refusal to show, or the accepted inputs' state (what
// the program's drawing needs to know from the check, such as which side of
// a triangle is sought).
struct Verdict {
  std::optional<Refusal> refusal;
  int state = 0;
  // The accepted solution at the most places, from a check that had to
  // compose it to know that every number can be written; the solution is
  // then not drawn a second time.
  std::optional<DrawSteps> steps = std::nullopt;

  bool Accepted() const { return !refusal; }
};

struct CalculatorCore {
  // Checks the captured inputs.
  Verdict (*check)(const FormInputs& inputs) = nullptr;
  // The worked solution of accepted inputs with results rounded to `places`
  // (0 to MostPlaces).
  DrawSteps (*draw)(const FormInputs& inputs, int state, int places) = nullptr;
  FormulaProfile profile;
  // No line of a solution may reach this column: the window ends there.
  int solutionRight = 0;
  // The program's message about too big numbers, for a solution whose lines
  // would not fit.
  std::string_view tooBigText = BigNumbersMessage;
  // The language the program speaks to its pupil, and so the words of its
  // spoken solution.
  PlacesLanguage language = PlacesLanguage::Czech;
};

// A worked solution as a window shows it: the verdict and, for accepted
// inputs, the steps drawn at `places` and the display list of each of them,
// laid out once and painted as often as the window needs.
struct Solution {
  Verdict verdict;
  int places = 0;
  DrawSteps steps;
  std::vector<FormulaLayout> layouts;
};

// Checks the inputs, then lays out their solution at the most places (the
// widest it can be drawn: fewer places never lengthen a number) and refuses
// it with the big-number message when a line would run past the window or
// into the column beside it, rather than show it cut or overdrawn. An accepted
// solution is composed and laid out once; at fewer places only the lines of
// its results are written and laid out again.
Solution Solve(const CalculatorCore& core, const FormInputs& inputs, int places);

// The verdict of Solve alone.
Verdict Compute(const CalculatorCore& core, const FormInputs& inputs);

// The accepted solution's results written and laid out anew at other places
// (a changed rounding count).
void Redraw(const CalculatorCore& core, int places, Solution& solution);

}  // namespace prolexa
