// The numbers of the worked solutions. Apart from the drawing steps, which
// the launcher's figures use too without writing any number.
#include "number_text.h"
#include "solution.h"

namespace prolexa {

double NumberWriter::Whole(double value) {
  // Negating b = 0 or multiplying by c = -0 gives a negative zero, which
  // would show as a puzzling "-0".
  if (value == 0) return 0.0;
  if (FitsNumberText(value)) return value;
  allWhole_ = false;
  return 0.0;
}

std::string NumberWriter::Fixed(double value) {
  // A value that shows as zero is written without a sign.
  if (value == 0 || (FitsNumberText(value) && ReadFixed(value) == 0)) return FormatValue(0.0);
  if (!FitsNumberText(value)) {
    allWhole_ = false;
    return "0";
  }
  return FormatValue(value);
}

void DrawSteps::Line(std::string before, PlacesNumber result, std::string_view after) {
  const std::string number = RoundValue(result.value, result.places);
  DrawStep& step = Add(DrawStep::Kind::Line);
  step.text = std::move(before);
  step.resultAt = step.text.size();
  step.resultLength = number.size();
  step.result = result.value;
  step.writeResult = RoundValue;
  step.text.reserve(step.text.size() + number.size() + after.size());
  step.text += number;
  step.text += after;
}

bool TooBig(double value) { return !(value <= BigNumberLimit); }

}  // namespace prolexa
