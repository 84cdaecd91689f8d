#include "solution.h"

#include <cmath>
#include <optional>

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

std::string NumberWriter::Fixed(double value) {
  // Negating b = 0 or multiplying by c = -0 gives a negative zero, which
  // would show as a puzzling "-0".
  if (value == 0) value = 0.0;
  std::optional<std::string> text;
  if (std::isfinite(value)) text = FormatRounded(value);
  if (!text) {
    allWhole_ = false;
    return "0";
  }
  return *text;
}

bool TooBig(double value) { return !(value <= BigNumberLimit); }

std::string Rounded(double value, int places) {
  return RoundNumberText(FormatValue(value), places);
}

}  // namespace prolexa
