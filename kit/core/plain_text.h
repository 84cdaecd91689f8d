// The worked solution as plain text, for the clipboard: one more back end of
// the display list, beside GDI and the tests' recorders.
//
// Each laid-out line gives one text line of the characters as drawn, with
// the marks made plain mathematics: a superscript "2" becomes "²", "3"
// becomes "³", any other superscript text k "^k"; a root "√(…)" around what
// its sign covers; a fraction "(numerator)/(denominator)" between the parts
// of its row. Hidden lines and figures give no line.
//
// The text is read back from the items' places, not from the mark-up:
// - A root writes "√(" over the blank that stands for its opening mark and
//   ")" over the closing one; a superscript follows the character it is
//   raised after, and leads its part when it stands before the first one.
// - A numerator and a denominator are the texts that start at the left end
//   of their bar, above and below it; their roots and superscripts are
//   written the same way, so "| -b +- @-D@||2a|" reads "( -b +- √(-D))/(2a)".
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
