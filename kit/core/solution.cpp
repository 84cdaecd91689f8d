#include "solution.h"

#include "number_text.h"

namespace prolexa {

std::vector<std::string> DrawSteps::Lines() const {
  std::vector<std::string> lines;
  for (const DrawStep& step : steps_) {
    if (step.kind == DrawStep::Kind::Line) lines.push_back(step.text);
  }
  return lines;
}

void PaintSteps(const DrawSteps& steps, FormulaTarget& target, const FormulaProfile& profile) {
  FormulaPainter painter(target, profile, 0, 0);
  for (const DrawStep& step : steps.Steps()) {
    switch (step.kind) {
      case DrawStep::Kind::Origin:
        painter.SetOrigin(step.x, step.y);
        break;
      case DrawStep::Kind::Superscript:
        painter.SetSuperscript(step.text);
        break;
      case DrawStep::Kind::Line:
        painter.DrawFormula(step.text);
        break;
      case DrawStep::Kind::Sketch: {
        FormulaLayout figure;
        figure.sketches.push_back(step.sketch);
        target.Draw(figure);
        break;
      }
    }
  }
}

bool TooBig(double value) { return !(value <= BigNumberLimit); }

std::string Rounded(double value, int places) {
  return RoundNumberText(FormatValue(value), places);
}

}  // namespace prolexa
