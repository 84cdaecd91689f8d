#include "formula.h"

#include <algorithm>

#include "utf.h"

namespace prolexa {
namespace {

constexpr char kSuperscriptMark = '^';
constexpr char kRootMark = '@';
constexpr char kBarMark = '|';
constexpr char kHideMark = '%';

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

  // Lays out one part whose left edge is x0 and gives its drawn width. One
  // pass over the part's bytes (the marks are ASCII, which never occurs
  // inside a longer UTF-8 sequence): a '^' puts the superscript after the
  // character before it, each pair of '@' a root over the columns between
  // them (an odd last mark stays a blank), and the text is the part without
  // its marks, a blank for each '@'. Places count the part's characters
  // without its '^' marks, '|' included.
  int Part(std::string_view part, int x0, const PartPlacement& at) {
    std::string text;
    text.reserve(part.size());
    std::size_t characters = 0;
    std::size_t drawn = 0;
    std::size_t carets = 0;
    std::size_t rootMarks = 0;
    int open = -1;
    for (const char c : part) {
      if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) {  // rest of a character
        text.push_back(c);
        continue;
      }
      const int column = static_cast<int>(characters - carets);
      ++characters;
      if (c == kSuperscriptMark) {
        out_.superscripts.push_back({x0 + CharWidth * (column - 1) + at.superscriptDx,
                                     at.superscriptY, TextSize::Small,
                                     std::string(superscript_)});
        ++carets;
        continue;
      }
      if (c == kBarMark) continue;
      if (c == kRootMark) {
        ++rootMarks;
        if (open < 0) {
          open = column;
        } else {
          out_.roots.push_back({x0 + CharWidth * open + at.rootDx, at.rootY,
                                CharWidth * (column - open) + 10});
          open = -1;
        }
        text.push_back(' ');
      } else {
        text.push_back(c);
      }
      ++drawn;
    }
    if (!text.empty()) out_.texts.push_back({x0, at.textY, TextSize::Main, std::move(text)});

    FormulaUsage& usage = out_.usage;
    usage.longestPart = std::max(usage.longestPart, characters - carets);
    usage.mostRootMarks = std::max(usage.mostRootMarks, rootMarks);
    usage.mostSuperscriptMarks = std::max(usage.mostSuperscriptMarks, carets);
    usage.longestTextItem = std::max(usage.longestTextItem, drawn);
    return CharWidth * static_cast<int>(drawn);
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
    return CharWidth * static_cast<int>(CharacterCount(text));
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
  // Malformed UTF-8 is first written as the characters it reads as (a
  // U+FFFD for each bad byte), so that the parts can work on bytes.
  std::string sanitized;
  if (!IsValidUtf8(line)) {
    sanitized = CodePointsToUtf8(Utf8ToCodePoints(line));
    line = sanitized;
  }
  const std::string_view all = line;
  if (all.find(kHideMark) != std::string_view::npos) return out;

  LineLayout layout(superscript, out);
  std::vector<int> bars;
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (all[i] == kBarMark) bars.push_back(static_cast<int>(i));
  }
  out.usage.barMarks = bars.size();
  const int fractions = static_cast<int>(bars.size() / 4);

  if (fractions == 0) {
    layout.Part(all, left, OnRow(lineY));
    out.advance = PlainLineAdvance;
    return out;
  }
  // Characters first to last of the line, as the parts take them.
  const auto range = [&all](int first, int last) {
    return last < first ? std::string_view() : all.substr(first, last - first + 1);
  };

  int h = 0;
  if (bars[0] >= 1) h = layout.Part(range(0, bars[0] - 1), left, OnRow(lineY));
  for (int f = 0; f < fractions; ++f) {
    const int p = bars[4 * f], q = bars[4 * f + 1], r = bars[4 * f + 2], s = bars[4 * f + 3];
    const int x0 = left + h;

    // Both parts keep their bars, so their positions run one ahead of the
    // drawn text; the offsets below take that character back.
    const int numerator = layout.Part(range(p, q), x0, {lineY - 10, -13, lineY - 10, -1, lineY - 18});
    const std::string_view below = range(r, s);
    // A root sign needs the room above its radicand: the text moves down.
    const bool rooted = std::count(below.begin(), below.end(), kRootMark) >= 2;
    const int denominator =
        rooted ? layout.Part(below, x0, {lineY + 25, -13, lineY + 25, -1, lineY + 17})
               : layout.Part(below, x0, {lineY + 16, -13, lineY + 25, -1, lineY + 8});

    const int width = std::max(numerator, denominator);
    out.bars.push_back({x0, lineY + 7, x0 + width});

    if (f + 1 < fractions) {
      h += width;
      h += layout.Part(range(s + 1, bars[4 * f + 4] - 1), left + h, OnRow(lineY));
    }
  }

  // The suffix stands 50 pixels from the last fraction's left edge, however
  // wide that fraction is; bars past the last group of four are dropped.
  const int lastBar = bars[4 * fractions - 1];
  std::string suffix(range(lastBar + 1, static_cast<int>(all.size()) - 1));
  suffix.erase(std::remove(suffix.begin(), suffix.end(), kBarMark), suffix.end());
  if (!suffix.empty()) layout.Part(suffix, left + h + 50, OnRow(lineY));

  out.advance = fractionAdvance;
  return out;
}

}  // namespace prolexa
