#include "formula.h"

#include <algorithm>

#include "utf.h"

namespace prolexa {
namespace {

constexpr char32_t kSuperscriptMark = U'^';
constexpr char32_t kRootMark = U'@';
constexpr char32_t kBarMark = U'|';
constexpr char32_t kHideMark = U'%';

int Width(std::u32string_view part) {
  return CharWidth * static_cast<int>(StripMarkup(part).size());
}

// Offsets of one part's roots, superscripts and text from its left edge x0.
// Parts on the line's own row, numerators and denominators each place them
// differently.
struct PartPlacement {
  int textY;
  int rootDx;
  int rootY;
  int superscriptDx;
  int superscriptY;
};

PartPlacement OnRow(int lineY) { return {lineY, -5, lineY, 7, lineY - 6}; }

class LineLayout {
 public:
  LineLayout(std::string_view superscript, FormulaLayout& out)
      : superscript_(superscript), out_(out) {}

  // Lays out one part whose left edge is x0.
  void Part(std::u32string_view part, int x0, const PartPlacement& at) {
    const RootMarks roots = FindRootMarks(part);
    for (int r = 0; r < roots.roots; ++r) {
      const int open = roots.positions[2 * r];
      const int close = roots.positions[2 * r + 1];
      out_.roots.push_back({x0 + CharWidth * open + at.rootDx, at.rootY,
                            CharWidth * (close - open) + 10});
    }
    const std::vector<int> bases = FindSuperscriptMarks(part);
    for (int p : bases) {
      out_.superscripts.push_back(
          {x0 + CharWidth * p + at.superscriptDx, at.superscriptY, TextSize::Small,
           std::string(superscript_)});
    }
    const std::u32string text = StripMarkup(part);
    if (!text.empty()) {
      out_.texts.push_back({x0, at.textY, TextSize::Main, CodePointsToUtf8(text)});
    }

    FormulaUsage& usage = out_.usage;
    const std::size_t searched = part.size() - bases.size();
    usage.longestPart = std::max(usage.longestPart, searched);
    usage.mostRootMarks = std::max(usage.mostRootMarks, roots.positions.size());
    usage.mostSuperscriptMarks = std::max(usage.mostSuperscriptMarks, bases.size());
    usage.longestTextItem = std::max(usage.longestTextItem, text.size());
  }

 private:
  std::string_view superscript_;
  FormulaLayout& out_;
};

}  // namespace

SketchItem SketchItem::Polyline(std::vector<Point> corners) {
  SketchItem item;
  item.kind = Kind::Polyline;
  item.points = std::move(corners);
  return item;
}

SketchItem SketchItem::Arc(Box box, Point from, Point to) {
  SketchItem item;
  item.kind = Kind::Arc;
  item.box = box;
  item.from = from;
  item.to = to;
  return item;
}

SketchItem SketchItem::Ellipse(Box box) {
  SketchItem item;
  item.kind = Kind::Ellipse;
  item.box = box;
  return item;
}

SketchItem SketchItem::Label(Point at, std::string text) {
  SketchItem item;
  item.kind = Kind::Label;
  item.at = at;
  item.text = std::move(text);
  return item;
}

bool operator==(const Point& l, const Point& r) { return l.x == r.x && l.y == r.y; }
bool operator==(const Box& l, const Box& r) {
  return l.left == r.left && l.top == r.top && l.right == r.right && l.bottom == r.bottom;
}
bool operator==(const SketchItem& l, const SketchItem& r) {
  return l.kind == r.kind && l.points == r.points && l.box == r.box && l.from == r.from &&
         l.to == r.to && l.at == r.at && l.text == r.text && l.colour == r.colour;
}

int RightEdge(const FormulaLayout& layout) {
  int right = 0;
  const auto reach = [&right](int x) { right = std::max(right, x); };
  const auto textWidth = [](const std::string& text) {
    return CharWidth * static_cast<int>(Utf8ToCodePoints(text).size());
  };
  for (const auto* items : {&layout.texts, &layout.superscripts}) {
    for (const TextItem& t : *items) reach(t.x + textWidth(t.text));
  }
  // The root sign's polyline ends on column x + w + 1.
  for (const RootSign& r : layout.roots) reach(r.x + r.w + 2);
  for (const FractionBar& b : layout.bars) reach(std::max(b.x1, b.x2));
  for (const SketchItem& s : layout.sketches) {
    for (const Point& p : s.points) reach(p.x + 1);
    if (s.kind == SketchItem::Kind::Arc || s.kind == SketchItem::Kind::Ellipse) reach(s.box.right);
    if (s.kind == SketchItem::Kind::Label) reach(s.at.x + textWidth(s.text));
  }
  return right;
}

bool operator==(const TextItem& l, const TextItem& r) {
  return l.x == r.x && l.y == r.y && l.size == r.size && l.text == r.text;
}
bool operator==(const RootSign& l, const RootSign& r) {
  return l.x == r.x && l.y == r.y && l.w == r.w;
}
bool operator==(const FractionBar& l, const FractionBar& r) {
  return l.x1 == r.x1 && l.y == r.y && l.x2 == r.x2;
}

bool FitsCapacity(const FormulaLayout& layout, const FormulaCapacity& capacity) {
  const FormulaUsage& u = layout.usage;
  return layout.texts.size() <= capacity.textItems &&
         layout.roots.size() <= capacity.rootSigns &&
         layout.superscripts.size() <= capacity.superscripts &&
         layout.bars.size() <= capacity.fractionBars && u.barMarks <= capacity.barMarks &&
         u.longestPart <= capacity.partChars &&
         u.mostRootMarks <= capacity.rootMarksPerPart &&
         u.mostSuperscriptMarks <= capacity.superscriptMarksPerPart &&
         u.longestTextItem <= capacity.textItemChars;
}

std::u32string StripMarkup(std::u32string_view source) {
  std::u32string drawn;
  drawn.reserve(source.size());
  for (char32_t c : source) {
    if (c == kRootMark) {
      drawn.push_back(U' ');
    } else if (c != kBarMark && c != kSuperscriptMark) {
      drawn.push_back(c);
    }
  }
  return drawn;
}

RootMarks FindRootMarks(std::u32string_view part) {
  RootMarks marks;
  int position = 0;
  for (char32_t c : part) {
    if (c == kSuperscriptMark) continue;
    if (c == kRootMark) marks.positions.push_back(position);
    ++position;
  }
  marks.roots = static_cast<int>(marks.positions.size() / 2);
  return marks;
}

std::vector<int> FindSuperscriptMarks(std::u32string_view part) {
  std::vector<int> bases;
  int k = 0;
  for (std::size_t i = 0; i < part.size(); ++i) {
    if (part[i] != kSuperscriptMark) continue;
    bases.push_back(static_cast<int>(i) - k - 1);
    ++k;
  }
  return bases;
}

int FindChar(std::u32string_view text, char32_t c, int start) {
  if (start < 0) start = 0;
  if (static_cast<std::size_t>(start) >= text.size()) return -1;
  const std::size_t found = text.find(c, static_cast<std::size_t>(start));
  return found == std::u32string_view::npos ? -1 : static_cast<int>(found);
}

std::u32string CopyRange(std::u32string_view source, int first, int last) {
  if (source.empty()) return {};
  first = std::max(first, 0);
  last = std::min(last, static_cast<int>(source.size()) - 1);
  if (last < first) return {};
  return std::u32string(source.substr(first, last - first + 1));
}

FormulaLayout LayoutFormula(std::string_view line, int left, int lineY,
                            std::string_view superscript, int fractionAdvance) {
  FormulaLayout out;
  const std::u32string text = Utf8ToCodePoints(line);
  if (text.find(kHideMark) != std::u32string::npos) return out;

  LineLayout layout(superscript, out);
  std::vector<int> bars;
  for (int i = FindChar(text, kBarMark, 0); i >= 0; i = FindChar(text, kBarMark, i + 1)) {
    bars.push_back(i);
  }
  out.usage.barMarks = bars.size();
  const int fractions = static_cast<int>(bars.size() / 4);

  if (fractions == 0) {
    layout.Part(text, left, OnRow(lineY));
    out.advance = PlainLineAdvance;
    return out;
  }

  int h = 0;
  if (bars[0] >= 1) {
    const std::u32string prefix = CopyRange(text, 0, bars[0] - 1);
    layout.Part(prefix, left, OnRow(lineY));
    h = Width(prefix);
  }
  for (int f = 0; f < fractions; ++f) {
    const int p = bars[4 * f], q = bars[4 * f + 1], r = bars[4 * f + 2], s = bars[4 * f + 3];
    const int x0 = left + h;

    // Both parts keep their bars, so their positions run one ahead of the
    // drawn text; the offsets below take that character back.
    const std::u32string numerator = CopyRange(text, p, q);
    layout.Part(numerator, x0, {lineY - 10, -13, lineY - 10, -1, lineY - 18});

    const std::u32string denominator = CopyRange(text, r, s);
    // A root sign needs the room above its radicand: the text moves down.
    if (FindRootMarks(denominator).roots > 0) {
      layout.Part(denominator, x0, {lineY + 25, -13, lineY + 25, -1, lineY + 17});
    } else {
      layout.Part(denominator, x0, {lineY + 16, -13, lineY + 25, -1, lineY + 8});
    }

    const int width = std::max(Width(numerator), Width(denominator));
    out.bars.push_back({x0, lineY + 7, x0 + width});

    if (f + 1 < fractions) {
      h += width;
      const std::u32string between = CopyRange(text, s + 1, bars[4 * f + 4] - 1);
      layout.Part(between, left + h, OnRow(lineY));
      h += Width(between);
    }
  }

  // The suffix stands 50 pixels from the last fraction's left edge, however
  // wide that fraction is.
  const int lastBar = bars[4 * fractions - 1];
  std::u32string suffix = CopyRange(text, lastBar + 1, static_cast<int>(text.size()) - 1);
  suffix.erase(std::remove(suffix.begin(), suffix.end(), kBarMark), suffix.end());
  if (!suffix.empty()) layout.Part(suffix, left + h + 50, OnRow(lineY));

  out.advance = fractionAdvance;
  return out;
}

}  // namespace prolexa
