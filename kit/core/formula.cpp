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

// The marks of a line, counted in one pass before it is laid out.
struct LineMarks {
  std::size_t bars = 0;
  std::size_t carets = 0;
  std::size_t rootMarks = 0;
  bool hidden = false;
  bool ascii = true;
};

LineMarks CountMarks(std::string_view line) {
  LineMarks marks;
  for (const char c : line) {
    switch (c) {
      case kBarMark: ++marks.bars; break;
      case kSuperscriptMark: ++marks.carets; break;
      case kRootMark: ++marks.rootMarks; break;
      case kHideMark: marks.hidden = true; break;
      default: if (static_cast<unsigned char>(c) >= 0x80) marks.ascii = false;
    }
  }
  return marks;
}

// Keeps a line's display list.
class Recorder {
 public:
  static constexpr bool kKeepsText = true;

  Recorder(std::string_view superscript, FormulaLayout& out)
      : superscript_(superscript), out_(out) {}

  // One allocation for each kind of item the line has.
  void Reserve(const LineMarks& marks, std::size_t fractions) {
    out_.texts.reserve(3 * fractions + 1);
    if (marks.carets > 0) out_.superscripts.reserve(marks.carets);
    if (marks.rootMarks > 1) out_.roots.reserve(marks.rootMarks / 2);
    if (fractions > 0) out_.bars.reserve(fractions);
  }
  void Text(int x, int y, std::string text, std::size_t) {
    out_.texts.push_back({x, y, TextSize::Main, std::move(text)});
  }
  void Superscript(int x, int y) {
    out_.superscripts.push_back({x, y, TextSize::Small, std::string(superscript_)});
  }
  void Root(int x, int y, int w) { out_.roots.push_back({x, y, w}); }
  void Bar(int x1, int y, int x2) { out_.bars.push_back({x1, y, x2}); }
  FormulaUsage& Usage() { return out_.usage; }
  void Advance(int advance) { out_.advance = advance; }

 private:
  std::string_view superscript_;
  FormulaLayout& out_;
};

// Keeps only what a line takes: its counts and how far right it reaches.
class Meter {
 public:
  static constexpr bool kKeepsText = false;

  Meter(std::string_view superscript, FormulaExtent& out)
      : superscriptWidth_(CharWidth * static_cast<int>(CharacterCount(superscript))), out_(out) {}

  void Reserve(const LineMarks&, std::size_t) {}
  void Text(int x, int, const std::string&, std::size_t drawn) {
    ++out_.texts;
    Reach(x + CharWidth * static_cast<int>(drawn));
  }
  void Superscript(int x, int) {
    ++out_.superscripts;
    Reach(x + superscriptWidth_);
  }
  // The root sign's polyline ends on column x + w + 1.
  void Root(int x, int, int w) {
    ++out_.roots;
    Reach(x + w + 2);
  }
  void Bar(int x1, int, int x2) {
    ++out_.bars;
    Reach(std::max(x1, x2));
  }
  FormulaUsage& Usage() { return out_.usage; }
  void Advance(int advance) { out_.advance = advance; }

 private:
  void Reach(int x) { out_.right = std::max(out_.right, x); }

  int superscriptWidth_;
  FormulaExtent& out_;
};

// Lays out one part whose left edge is x0 and gives its drawn width. One
// pass over the part's bytes (the marks are ASCII, which never occurs inside
// a longer UTF-8 sequence): a '^' puts the superscript after the character
// before it, each pair of '@' a root over the columns between them (an odd
// last mark stays a blank), and the text is the part without its marks, a
// blank for each '@'. Places count the part's characters without its '^'
// marks, '|' included unless `barsTakeColumns` is false.
template <class Sink>
int LayOutPart(Sink& sink, std::string_view part, int x0, const PartPlacement& at,
               bool barsTakeColumns = true) {
  std::string text;
  char* kept = nullptr;
  if constexpr (Sink::kKeepsText) {
    text.resize(part.size());
    kept = text.data();
  }
  std::size_t characters = 0;
  std::size_t drawn = 0;
  std::size_t carets = 0;
  std::size_t rootMarks = 0;
  int open = -1;
  for (char c : part) {
    if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) {  // rest of a character
      if constexpr (Sink::kKeepsText) *kept++ = c;
      continue;
    }
    if (c == kBarMark && !barsTakeColumns) continue;
    const int column = static_cast<int>(characters - carets);
    ++characters;
    if (c == kSuperscriptMark) {
      sink.Superscript(x0 + CharWidth * (column - 1) + at.superscriptDx, at.superscriptY);
      ++carets;
      continue;
    }
    if (c == kBarMark) continue;
    if (c == kRootMark) {
      ++rootMarks;
      if (open < 0) {
        open = column;
      } else {
        sink.Root(x0 + CharWidth * open + at.rootDx, at.rootY, CharWidth * (column - open) + 10);
        open = -1;
      }
      c = ' ';
    }
    if constexpr (Sink::kKeepsText) *kept++ = c;
    ++drawn;
  }
  if (drawn > 0) {
    if constexpr (Sink::kKeepsText) text.resize(static_cast<std::size_t>(kept - text.data()));
    sink.Text(x0, at.textY, std::move(text), drawn);
  }

  FormulaUsage& usage = sink.Usage();
  usage.longestPart = std::max(usage.longestPart, characters - carets);
  usage.mostRootMarks = std::max(usage.mostRootMarks, rootMarks);
  usage.mostSuperscriptMarks = std::max(usage.mostSuperscriptMarks, carets);
  usage.longestTextItem = std::max(usage.longestTextItem, drawn);
  return CharWidth * static_cast<int>(drawn);
}

// Lays out one UTF-8 mark-up line for a sink; LayoutFormula and
// MeasureFormula tell what the line is.
template <class Sink>
void LayOutLine(Sink& sink, std::string_view line, int left, int lineY, int fractionAdvance) {
  const LineMarks marks = CountMarks(line);
  if (marks.hidden) return;
  // Malformed UTF-8 is first written as the characters it reads as (a
  // U+FFFD for each bad byte), so that the parts can work on bytes. The
  // marks are ASCII and stay as they are.
  std::string sanitized;
  if (!marks.ascii && !IsValidUtf8(line)) {
    sanitized = CodePointsToUtf8(Utf8ToCodePoints(line));
    line = sanitized;
  }
  sink.Usage().barMarks = marks.bars;
  const std::size_t fractions = marks.bars / 4;
  sink.Reserve(marks, fractions);

  if (fractions == 0) {
    LayOutPart(sink, line, left, OnRow(lineY));
    sink.Advance(PlainLineAdvance);
    return;
  }
  // Characters first to last of the line, as the parts take them.
  const auto range = [&line](std::size_t first, std::size_t last) {
    return last < first || last == std::string_view::npos ? std::string_view()
                                                          : line.substr(first, last - first + 1);
  };
  const auto nextBar = [&line](std::size_t after) { return line.find(kBarMark, after + 1); };

  std::size_t p = line.find(kBarMark);
  int h = 0;
  if (p >= 1) h = LayOutPart(sink, range(0, p - 1), left, OnRow(lineY));
  std::size_t s = p;
  for (std::size_t f = 0; f < fractions; ++f) {
    const std::size_t q = nextBar(p);
    const std::size_t r = nextBar(q);
    s = nextBar(r);
    const int x0 = left + h;

    // Both parts keep their bars, so their positions run one ahead of the
    // drawn text; the offsets below take that character back.
    const int numerator =
        LayOutPart(sink, range(p, q), x0, {lineY - 10, -13, lineY - 10, -1, lineY - 18});
    const std::string_view below = range(r, s);
    // A root sign needs the room above its radicand: the text moves down.
    const bool rooted = std::count(below.begin(), below.end(), kRootMark) >= 2;
    const int denominator =
        rooted ? LayOutPart(sink, below, x0, {lineY + 25, -13, lineY + 25, -1, lineY + 17})
               : LayOutPart(sink, below, x0, {lineY + 16, -13, lineY + 25, -1, lineY + 8});

    const int width = std::max(numerator, denominator);
    sink.Bar(x0, lineY + 7, x0 + width);

    if (f + 1 < fractions) {
      p = nextBar(s);
      h += width;
      h += LayOutPart(sink, range(s + 1, p - 1), left + h, OnRow(lineY));
    }
  }

  // The suffix stands 50 pixels from the last fraction's left edge, however
  // wide that fraction is; bars past the last group of four are dropped.
  LayOutPart(sink, line.substr(s + 1), left + h + 50, OnRow(lineY), false);
  sink.Advance(fractionAdvance);
}

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

namespace {

int TextWidth(std::string_view text) { return CharWidth * static_cast<int>(CharacterCount(text)); }

}  // namespace

int RightEdge(const SketchItem& item) {
  int right = 0;
  for (const Point& p : item.points) right = std::max(right, p.x + 1);
  if (item.kind == SketchItem::Kind::Arc || item.kind == SketchItem::Kind::Ellipse) {
    right = std::max(right, item.box.right);
  }
  if (item.kind == SketchItem::Kind::Label) right = std::max(right, item.at.x + TextWidth(item.text));
  return right;
}

int RightEdge(const FormulaLayout& layout) {
  int right = 0;
  const auto reach = [&right](int x) { right = std::max(right, x); };
  for (const auto* items : {&layout.texts, &layout.superscripts}) {
    for (const TextItem& t : *items) reach(t.x + TextWidth(t.text));
  }
  // The root sign's polyline ends on column x + w + 1.
  for (const RootSign& r : layout.roots) reach(r.x + r.w + 2);
  for (const FractionBar& b : layout.bars) reach(std::max(b.x1, b.x2));
  for (const SketchItem& s : layout.sketches) reach(RightEdge(s));
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

bool FitsCapacity(const FormulaExtent& extent, const FormulaCapacity& capacity) {
  const FormulaUsage& u = extent.usage;
  return extent.texts <= capacity.textItems && extent.roots <= capacity.rootSigns &&
         extent.superscripts <= capacity.superscripts && extent.bars <= capacity.fractionBars &&
         u.barMarks <= capacity.barMarks && u.longestPart <= capacity.partChars &&
         u.mostRootMarks <= capacity.rootMarksPerPart &&
         u.mostSuperscriptMarks <= capacity.superscriptMarksPerPart &&
         u.longestTextItem <= capacity.textItemChars;
}

bool FitsCapacity(const FormulaLayout& layout, const FormulaCapacity& capacity) {
  FormulaExtent extent;
  extent.texts = layout.texts.size();
  extent.superscripts = layout.superscripts.size();
  extent.roots = layout.roots.size();
  extent.bars = layout.bars.size();
  extent.usage = layout.usage;
  return FitsCapacity(extent, capacity);
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
  Recorder recorder(superscript, out);
  LayOutLine(recorder, line, left, lineY, fractionAdvance);
  return out;
}

FormulaExtent MeasureFormula(std::string_view line, int left, int lineY,
                             std::string_view superscript, int fractionAdvance) {
  FormulaExtent extent;
  Meter meter(superscript, extent);
  LayOutLine(meter, line, left, lineY, fractionAdvance);
  return extent;
}

}  // namespace prolexa
