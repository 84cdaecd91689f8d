// The worked solution as plain text, for the clipboard: one more back end of
// the display list, beside GDI and the tests' recorders.
//
// Each laid-out line gives one text line of the characters as drawn, read as
// line_reading.h reads the places, with the marks made plain mathematics: a
// superscript "2" becomes "²", "3" becomes "³", any other superscript text k
// "^k"; a root "√(…)" around what its sign covers (its "√(" and ")" written
// over the blanks that stand for its marks); a fraction
// "(numerator)/(denominator)", so that "| -b +- @-D@||2a|" reads
// "( -b +- √(-D))/(2a)".
// - The row's parts and fractions follow each other left to right with
//   nothing put between them: the only blanks are the ones the line draws.
//   Where a suffix stands 50 pixels from its fraction's left edge, the gap
//   or overlap that leaves on screen is not written.
// - A line that draws no main text gives no line.
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
