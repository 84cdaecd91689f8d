// The painter that lays out a column of lines one under another and hands
// each to its target. Apart from the layout, which draws figures too and
// needs no number texts.
#include "formula.h"
#include "number_text.h"

namespace prolexa {

FormulaPainter::FormulaPainter(FormulaTarget& target, const FormulaProfile& profile, int left,
                               int top)
    : target_(target), profile_(profile), left_(left), top_(top), lineY_(top) {}

void FormulaPainter::SetOrigin(int left, int top) {
  left_ = left;
  top_ = top;
  lineY_ = top;
}

void FormulaPainter::SetSuperscript(std::string_view text) { superscript_ = text; }

void FormulaPainter::DrawFormula(std::string_view line) {
  const FormulaLayout layout =
      LayoutFormula(line, left_, lineY_, superscript_, profile_.fractionAdvance);
  target_.Draw(layout);
  lineY_ += layout.advance;
}

const std::string& FormulaPainter::RoundText(std::string_view text, int places) {
  number_ = RoundNumberText(text, places);
  return number_;
}

}  // namespace prolexa
