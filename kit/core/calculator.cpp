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

Verdict Compute(const CalculatorCore& core, const FormInputs& inputs) {
  Verdict verdict = core.check(inputs);
  if (verdict.Accepted() &&
      !StepsFit(core.draw(inputs, verdict.state, MostPlaces), core.profile, core.solutionRight)) {
    verdict.refusal = ErrorRefusal(core.tooBigText);
  }
  return verdict;
}

}  // namespace prolexa
