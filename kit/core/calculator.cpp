#include "calculator.h"

#include <algorithm>

namespace prolexa {
namespace {

// Measures what a painter draws instead of drawing it.
class FitTarget : public FormulaTarget {
 public:
  FitTarget(const FormulaCapacity& capacity, int right) : capacity_(capacity), right_(right) {}
  void Draw(const FormulaLayout& layout) override {
    fits_ = fits_ && FitsCapacity(layout, capacity_) && RightEdge(layout) <= right_;
  }
  bool Fits() const { return fits_; }

 private:
  FormulaCapacity capacity_;
  int right_;
  bool fits_ = true;
};

}  // namespace

const std::string& FormInputs::Text(std::size_t i) const {
  static const std::string kNone;
  return i < texts.size() ? texts[i] : kNone;
}

int FormInputs::List(std::size_t i) const { return i < lists.size() ? lists[i] : -1; }

bool FormInputs::Option(std::size_t i) const { return i < options.size() && options[i]; }

bool StepsFit(const DrawSteps& steps, const FormulaProfile& profile, int right) {
  FitTarget target(profile.capacity, right);
  PaintSteps(steps, target, profile);
  return target.Fits();
}

Solution Solve(const CalculatorCore& core, const FormInputs& inputs, int places) {
  Solution solution;
  solution.verdict = core.check(inputs);
  Verdict& verdict = solution.verdict;
  if (!verdict.Accepted()) return solution;
  DrawSteps widest = verdict.steps ? std::move(*verdict.steps)
                                   : core.draw(inputs, verdict.state, MostPlaces);
  verdict.steps.reset();
  std::vector<FormulaLayout> layouts = LayOut(widest, core.profile);
  for (const FormulaLayout& layout : layouts) {
    if (!FitsCapacity(layout, core.profile.capacity) || RightEdge(layout) > core.solutionRight) {
      verdict.refusal = ErrorRefusal(core.tooBigText);
      return solution;
    }
  }
  if (places == MostPlaces || !core.rounds) {
    solution.places = places;
    solution.steps = std::move(widest);
    solution.layouts = std::move(layouts);
  } else {
    Redraw(core, inputs, places, solution);
  }
  return solution;
}

Verdict Compute(const CalculatorCore& core, const FormInputs& inputs) {
  return Solve(core, inputs, MostPlaces).verdict;
}

void Redraw(const CalculatorCore& core, const FormInputs& inputs, int places,
            Solution& solution) {
  solution.places = places;
  solution.steps = core.draw(inputs, solution.verdict.state, places);
  solution.layouts = LayOut(solution.steps, core.profile);
}

}  // namespace prolexa
