#include "calculator.h"

namespace prolexa {

const std::string& FormInputs::Text(std::size_t i) const {
  static const std::string kNone;
  return i < texts.size() ? texts[i] : kNone;
}

int FormInputs::List(std::size_t i) const { return i < lists.size() ? lists[i] : -1; }

bool FormInputs::Option(std::size_t i) const { return i < options.size() && options[i]; }

Solution Solve(const CalculatorCore& core, const FormInputs& inputs, int places) {
  Solution solution;
  solution.verdict = core.check(inputs);
  Verdict& verdict = solution.verdict;
  if (!verdict.Accepted()) return solution;
  solution.steps = verdict.steps ? std::move(*verdict.steps)
                                 : core.draw(inputs, verdict.state, MostPlaces);
  verdict.steps.reset();
  // Composed and laid out once, at the most places; only the lines of its
  // results are then written and laid out again at `places`.
  solution.layouts = LayOut(solution.steps, core.profile, core.solutionRight);
  if (!LayoutsFit(solution.steps, solution.layouts, core.solutionRight)) {
    verdict.refusal = ErrorRefusal(core.tooBigText);
    solution.steps = DrawSteps();
    solution.layouts.clear();
    return solution;
  }
  solution.places = MostPlaces;
  Redraw(core, places, solution);
  return solution;
}

Verdict Compute(const CalculatorCore& core, const FormInputs& inputs) {
  return Solve(core, inputs, MostPlaces).verdict;
}

void Redraw(const CalculatorCore& core, int places, Solution& solution) {
  if (places == solution.places) return;
  solution.places = places;
  solution.steps.SetPlaces(places);
  LayOutResults(solution.steps, core.profile, solution.layouts);
}

}  // namespace prolexa
