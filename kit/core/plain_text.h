// The worked solution as plain text, for the clipboard: one more back end of
// the display list, beside GDI and the tests' recorders.
//
// Each laid-out line gives one text line of the characters as drawn, with
// the marks made plain mathematics: a superscript "2" becomes "²", "3"
// becomes "³", any other superscript text k "^k"; a root "√(…)" around what
// its sign covers; a fraction "(numerator)/(denominator)" between the parts
// of its row. Hidden lines and figures give no line.
#pragma once

#include <string>
#include <vector>

#include "formula.h"

namespace prolexa {

// The text of one line's display list, or nothing for a line without text.
std::string LineText(const FormulaLayout& layout);

// The text lines of a solution's display lists, in drawing order.
std::vector<std::string> SolutionText(const std::vector<FormulaLayout>& layouts);

}  // namespace prolexa
