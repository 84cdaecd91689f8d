#include "plain_text.h"

#include <algorithm>

#include "utf.h"

namespace prolexa {
namespace {

// How the layout places a part's marks against its text: a superscript 6
// pixels above a part on the line's row and 8 above a numerator or a
// denominator, 7 pixels right of its base's column; a root sign on the
// text's own row, 5 pixels left of the blank that stands for its first mark.
constexpr int kRowSuperscriptRise = 6;
constexpr int kFractionSuperscriptRise = 8;
constexpr int kSuperscriptDx = 7;
constexpr int kRootDx = -5;
// The text row lies 7 pixels above its line's fraction bar.
constexpr int kBarBelowRow = 7;

std::string SuperscriptText(const std::string& text) {
  if (text == "2") return "²";
  if (text == "3") return "³";
  return "^" + text;
}

// The column of a drawn part at which a pixel column stands, or -2 when it
// falls between columns or before the part.
int ColumnOf(int x, int left) {
  const int offset = x - left;
  return offset >= -CharWidth && offset % CharWidth == 0 ? offset / CharWidth : -2;
}

// One drawn part with the marks that belong to it, as plain text.
std::string PartText(const TextItem& part, const FormulaLayout& layout) {
  const std::u32string chars = Utf8ToCodePoints(part.text);
  const int n = static_cast<int>(chars.size());
  std::vector<std::string> cells;
  cells.reserve(chars.size());
  for (char32_t c : chars) cells.push_back(CodePointsToUtf8(std::u32string_view(&c, 1)));
  std::string lead;  // a superscript with no character before it

  for (const RootSign& root : layout.roots) {
    if (root.y != part.y) continue;
    const int open = ColumnOf(root.x - kRootDx, part.x);
    const int close = open + (root.w - 10) / CharWidth;
    if (open < 0 || close >= n || close < open) continue;
    cells[static_cast<std::size_t>(open)] = "√(";
    cells[static_cast<std::size_t>(close)] = ")";
  }
  for (const TextItem& s : layout.superscripts) {
    const int rise = part.y - s.y;
    if (rise != kRowSuperscriptRise && rise != kFractionSuperscriptRise) continue;
    const int column = ColumnOf(s.x - kSuperscriptDx, part.x);
    if (column == -1) lead += SuperscriptText(s.text);
    if (column >= 0 && column < n) {
      cells[static_cast<std::size_t>(column)] += SuperscriptText(s.text);
    }
  }

  std::string text = lead;
  for (const std::string& cell : cells) text += cell;
  return text;
}

// The numerator (above the bar, off the row) or the denominator of the
// fraction whose bar starts at x.
const TextItem* PartAt(const FormulaLayout& layout, int x, bool above, int barY, int rowY) {
  for (const TextItem& t : layout.texts) {
    if (t.x == x && t.y != rowY && (above ? t.y < barY : t.y > barY)) return &t;
  }
  return nullptr;
}

}  // namespace

std::string LineText(const FormulaLayout& layout) {
  if (layout.texts.empty()) return {};
  struct Piece {
    int x;
    std::string text;
  };
  std::vector<Piece> pieces;
  // A line without fractions is drawn on one row.
  const int rowY =
      layout.bars.empty() ? layout.texts.front().y : layout.bars.front().y - kBarBelowRow;
  for (const TextItem& t : layout.texts) {
    if (t.y == rowY) pieces.push_back({t.x, PartText(t, layout)});
  }
  for (const FractionBar& bar : layout.bars) {
    const TextItem* numerator = PartAt(layout, bar.x1, true, bar.y, rowY);
    const TextItem* denominator = PartAt(layout, bar.x1, false, bar.y, rowY);
    pieces.push_back({bar.x1, "(" + (numerator ? PartText(*numerator, layout) : "") + ")/(" +
                                  (denominator ? PartText(*denominator, layout) : "") + ")"});
  }
  std::stable_sort(pieces.begin(), pieces.end(),
                   [](const Piece& l, const Piece& r) { return l.x < r.x; });
  std::string line;
  for (const Piece& piece : pieces) line += piece.text;
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
