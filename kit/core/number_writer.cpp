// The numbers of the worked solutions. Apart from the drawing steps, which
// the launcher's figures use too without writing any number.
#include <cmath>
#include <optional>

#include "number_text.h"
#include "solution.h"

namespace prolexa {

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
