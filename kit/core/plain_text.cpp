#include "plain_text.h"

#include "line_reading.h"

namespace prolexa {
namespace {

std::string SuperscriptText(const std::string& text) {
  if (text == "2") return "²";
  if (text == "3") return "³";
  return "^" + text;
}

std::string PartText(const ReadPart& part) {
  std::string text;
  for (const std::string& s : part.lead) text += SuperscriptText(s);
  for (const ReadCell& cell : part.cells) {
    switch (cell.mark) {
      case ReadCell::Mark::RootOpen:
        text += "√(";
        break;
      case ReadCell::Mark::RootClose:
        text += ")";
        break;
      case ReadCell::Mark::None:
        text += cell.character;
        break;
    }
    for (const std::string& s : cell.superscripts) text += SuperscriptText(s);
  }
  return text;
}

}  // namespace

std::string LineText(const FormulaLayout& layout) {
  std::string line;
  for (const ReadPiece& piece : ReadLine(layout)) {
    line += piece.fraction
                ? "(" + PartText(piece.numerator) + ")/(" + PartText(piece.denominator) + ")"
                : PartText(piece.row);
  }
  return line;
}

std::vector<std::string> SolutionText(const std::vector<FormulaLayout>& layouts) {
  std::vector<std::string> lines;
  for (const FormulaLayout& layout : layouts) {
    if (!layout.texts.empty()) lines.push_back(LineText(layout));
  }
  return lines;
}

}  // namespace prolexa
