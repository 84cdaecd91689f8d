#include "solution.h"

namespace prolexa {

std::vector<std::string> DrawSteps::Lines() const {
  std::vector<std::string> lines;
  for (const DrawStep& step : steps_) {
    if (step.kind == DrawStep::Kind::Line) lines.push_back(step.text);
  }
  return lines;
}

void PaintSteps(const DrawSteps& steps, FormulaTarget& target, const FormulaProfile& profile) {
  PaintLayouts(LayOut(steps, profile), target);
}

std::vector<FormulaLayout> LayOut(const DrawSteps& steps, const FormulaProfile& profile) {
  std::vector<FormulaLayout> layouts;
  layouts.reserve(steps.Steps().size());
  // Where the next line goes and what its superscripts say, as a painter
  // keeps them.
  int left = 0;
  int lineY = 0;
  std::string_view superscript = "2";
  for (const DrawStep& step : steps.Steps()) {
    switch (step.kind) {
      case DrawStep::Kind::Origin:
        left = step.x;
        lineY = step.y;
        break;
      case DrawStep::Kind::Superscript:
        superscript = step.text;
        break;
      case DrawStep::Kind::Line:
        layouts.push_back(
            LayoutFormula(step.text, left, lineY, superscript, profile.fractionAdvance));
        lineY += layouts.back().advance;
        break;
      case DrawStep::Kind::Sketch:
        layouts.emplace_back().sketches.push_back(step.sketch);
        break;
    }
  }
  return layouts;
}

void PaintLayouts(const std::vector<FormulaLayout>& layouts, FormulaTarget& target) {
  for (const FormulaLayout& layout : layouts) target.Draw(layout);
}

}  // namespace prolexa
