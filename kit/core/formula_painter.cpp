// The painter that lays out a column of lines one under another and hands
// each to its target.
#include "formula.h"

namespace prolexa {

FormulaPainter::FormulaPainter(FormulaTarget& target, const FormulaProfile& profile, int left,
                               int top)
    : target_(target), profile_(profile), left_(left), lineY_(top) {}

void FormulaPainter::DrawFormula(std::string_view line) {
  const FormulaLayout layout = LayoutFormula(line, left_, lineY_, "2", profile_.fractionAdvance);
  target_.Draw(layout);
  lineY_ += layout.advance;
}

}  // namespace prolexa
