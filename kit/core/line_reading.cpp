#include "line_reading.h"

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

// The column of a drawn part at which a pixel column stands, or -2 when it
// falls between columns or before the part.
int ColumnOf(int x, int left) {
  const int offset = x - left;
  return offset >= -CharWidth && offset % CharWidth == 0 ? offset / CharWidth : -2;
}

ReadPart ReadPartOf(const TextItem& part, const FormulaLayout& layout) {
  ReadPart read;
  const std::u32string chars = Utf8ToCodePoints(part.text);
  const int n = static_cast<int>(chars.size());
  read.cells.reserve(chars.size());
  for (char32_t c : chars) read.cells.push_back({CodePointsToUtf8(std::u32string_view(&c, 1))});

  // Roots in drawing order: where two share a blank, the later one's mark
  // stands on it.
  for (const RootSign& root : layout.roots) {
    if (root.y != part.y) continue;
    const int open = ColumnOf(root.x - kRootDx, part.x);
    const int close = open + (root.w - 10) / CharWidth;
    if (open < 0 || close >= n || close < open) continue;
    read.cells[static_cast<std::size_t>(open)].mark = ReadCell::Mark::RootOpen;
    read.cells[static_cast<std::size_t>(close)].mark = ReadCell::Mark::RootClose;
  }
  for (const TextItem& s : layout.superscripts) {
    const int rise = part.y - s.y;
    if (rise != kRowSuperscriptRise && rise != kFractionSuperscriptRise) continue;
    const int column = ColumnOf(s.x - kSuperscriptDx, part.x);
    if (column == -1) read.lead.push_back(s.text);
    if (column >= 0 && column < n) {
      read.cells[static_cast<std::size_t>(column)].superscripts.push_back(s.text);
    }
  }
  return read;
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

std::vector<ReadPiece> ReadLine(const FormulaLayout& layout) {
  if (layout.texts.empty()) return {};
  std::vector<std::pair<int, ReadPiece>> placed;
  // A line without fractions is drawn on one row.
  const int rowY =
      layout.bars.empty() ? layout.texts.front().y : layout.bars.front().y - kBarBelowRow;
  for (const TextItem& t : layout.texts) {
    if (t.y == rowY) placed.push_back({t.x, {.row = ReadPartOf(t, layout)}});
  }
  for (const FractionBar& bar : layout.bars) {
    ReadPiece fraction{.fraction = true};
    if (const TextItem* numerator = PartAt(layout, bar.x1, true, bar.y, rowY)) {
      fraction.numerator = ReadPartOf(*numerator, layout);
    }
    if (const TextItem* denominator = PartAt(layout, bar.x1, false, bar.y, rowY)) {
      fraction.denominator = ReadPartOf(*denominator, layout);
    }
    placed.push_back({bar.x1, std::move(fraction)});
  }
  std::stable_sort(placed.begin(), placed.end(),
                   [](const auto& l, const auto& r) { return l.first < r.first; });
  std::vector<ReadPiece> pieces;
  pieces.reserve(placed.size());
  for (auto& [x, piece] : placed) pieces.push_back(std::move(piece));
  return pieces;
}

}  // namespace prolexa
