#include "formula.h"

#include <algorithm>
#include <array>

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

// What each byte is to a part's layout: a character's first byte that is no
// mark, the rest of a character, or a mark. Every mark is ASCII, which never
// occurs inside a longer UTF-8 sequence.
enum class ByteClass : unsigned char { Plain, Continuation, Caret, Root, Bar };

constexpr std::array<ByteClass, 256> kByteClasses = [] {
  std::array<ByteClass, 256> classes{};
  for (int b = 0x80; b < 0xC0; ++b) classes[b] = ByteClass::Continuation;
  classes[static_cast<unsigned char>(kSuperscriptMark)] = ByteClass::Caret;
  classes[static_cast<unsigned char>(kRootMark)] = ByteClass::Root;
  classes[static_cast<unsigned char>(kBarMark)] = ByteClass::Bar;
  return classes;
}();

ByteClass ClassOf(char c) { return kByteClasses[static_cast<unsigned char>(c)]; }

class LineLayout {
 public:
  LineLayout(std::string_view superscript, FormulaLayout& out)
      : superscript_(superscript),
        superscriptWidth_(CharWidth * static_cast<int>(CharacterCount(superscript))),
        out_(out) {}

  // One allocation for the texts and one for the bars.
  void Reserve(std::size_t fractions) {
    out_.texts.reserve(3 * fractions + 1);
    if (fractions > 0) out_.bars.reserve(fractions);
  }

  // Lays out one part whose left edge is x0 and gives its drawn width. One
  // pass over the part's bytes: a '^' puts the superscript after the
  // character before it, each pair of '@' a root over the columns between
  // them (an odd last mark stays a blank), and the text is the part without
  // its marks, a blank for each '@'. Columns count the part's characters
  // without its '^' marks, '|' included unless `barsTakeColumns` is false.
  int Part(std::string_view part, int x0, const PartPlacement& at, bool barsTakeColumns = true) {
    std::string text(part.size(), '\0');
    char* kept = text.data();
    int column = 0;
    int bars = 0;
    int open = -1;
    const char* const end = part.data() + part.size();
    for (const char* next = part.data(); next < end; ++next) {
      // Runs of plain characters, most of every part, in a tight loop.
      const char* const plain = next;
      while (next < end && ClassOf(*next) == ByteClass::Plain) ++next;
      std::copy(plain, next, kept);
      kept += next - plain;
      column += static_cast<int>(next - plain);
      if (next == end) break;
      const char c = *next;
      switch (ClassOf(c)) {
        case ByteClass::Plain:  // the run above takes these
          *kept++ = c;
          ++column;
          break;
        case ByteClass::Continuation:
          *kept++ = c;
          break;
        case ByteClass::Caret:
          Superscript(x0 + CharWidth * (column - 1) + at.superscriptDx, at.superscriptY);
          break;
        case ByteClass::Bar:
          if (barsTakeColumns) ++column, ++bars;
          break;
        case ByteClass::Root:
          if (open < 0) {
            open = column;
          } else {
            Root(x0 + CharWidth * open + at.rootDx, at.rootY, CharWidth * (column - open) + 10);
            open = -1;
          }
          *kept++ = ' ';
          ++column;
          break;
      }
    }
    const int drawn = column - bars;
    if (drawn > 0) {
      text.resize(static_cast<std::size_t>(kept - text.data()));
      out_.texts.push_back({x0, at.textY, TextSize::Main, std::move(text)});
      Cover(x0, at.textY, x0 + CharWidth * drawn, at.textY + MainTextHeight);
    }
    return CharWidth * drawn;
  }

  // The column just past the superscripts laid out since a fraction began.
  void StartFraction() { superscriptReach_ = 0; }
  int SuperscriptReach() const { return superscriptReach_; }

  void Bar(int x1, int y, int x2) {
    out_.bars.push_back({x1, y, x2});
    Cover(std::min(x1, x2), y, std::max(x1, x2), y + 1);
  }

 private:
  void Superscript(int x, int y) {
    out_.superscripts.push_back({x, y, TextSize::Small, std::string(superscript_)});
    Cover(x, y, x + superscriptWidth_, y + SmallTextHeight);
    superscriptReach_ = std::max(superscriptReach_, x + superscriptWidth_);
  }
  // The root sign's polyline runs from column x + 3 to x + w + 1.
  void Root(int x, int y, int w) {
    out_.roots.push_back({x, y, w});
    Cover(x + 3, y - RootReach, x + w + 2, y + RootReach + 1);
  }
  void Cover(int left, int top, int right, int bottom) {
    out_.extent = Union(out_.extent, {left, top, right, bottom});
  }

  std::string_view superscript_;
  int superscriptWidth_;
  int superscriptReach_ = 0;
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

Box Union(const Box& a, const Box& b) {
  if (a.right <= a.left) return b;
  if (b.right <= b.left) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
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
  int right = layout.extent.right;
  for (const SketchItem& s : layout.sketches) right = std::max(right, RightEdge(s));
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

FormulaLayout LayoutFormula(std::string_view line, int left, int lineY,
                            std::string_view superscript, int fractionAdvance) {
  FormulaLayout out;
  if (line.find(kHideMark) != std::string_view::npos) return out;
  // Malformed UTF-8 is first written as the characters it reads as (a
  // U+FFFD for each bad byte), so that the parts can work on bytes. The
  // marks are ASCII and stay as they are.
  std::string sanitized;
  if (!IsValidUtf8(line)) {
    sanitized = CodePointsToUtf8(Utf8ToCodePoints(line));
    line = sanitized;
  }
  const auto barMarks = static_cast<std::size_t>(std::count(line.begin(), line.end(), kBarMark));
  const std::size_t fractions = barMarks / 4;
  LineLayout layout(superscript, out);
  layout.Reserve(fractions);

  if (fractions == 0) {
    layout.Part(line, left, OnRow(lineY));
    out.advance = PlainLineAdvance;
    return out;
  }
  // Characters first to last of the line, as the parts take them.
  const auto range = [&line](std::size_t first, std::size_t last) {
    return last < first ? std::string_view() : line.substr(first, last - first + 1);
  };
  const auto nextBar = [&line](std::size_t after) { return line.find(kBarMark, after + 1); };

  std::size_t p = line.find(kBarMark);
  int h = 0;
  if (p >= 1) h = layout.Part(range(0, p - 1), left, OnRow(lineY));
  std::size_t s = p;
  for (std::size_t f = 0; f < fractions; ++f) {
    const std::size_t q = nextBar(p);
    const std::size_t r = nextBar(q);
    s = nextBar(r);
    const int x0 = left + h;
    layout.StartFraction();

    // Both parts keep their bars, so their positions run one ahead of the
    // drawn text; the offsets below take that character back.
    const int numerator = layout.Part(range(p, q), x0, {lineY - 10, -13, lineY - 10, -1, lineY - 18});
    const std::string_view below = range(r, s);
    // A root sign needs the room above its radicand: the text moves down.
    // A superscript stands by its character as on the line's own row, clear
    // of the bar above.
    const bool rooted = std::count(below.begin(), below.end(), kRootMark) >= 2;
    const int denominator =
        rooted ? layout.Part(below, x0, {lineY + 25, -13, lineY + 25, -1, lineY + 19})
               : layout.Part(below, x0, {lineY + 16, -13, lineY + 25, -1, lineY + 10});

    const int width = std::max(numerator, denominator);
    layout.Bar(x0, lineY + 7, x0 + width);
    // What follows stands past the wider part, and past a superscript that
    // hangs out of it.
    h += std::max(width, layout.SuperscriptReach() - x0);

    if (f + 1 < fractions) {
      p = nextBar(s);
      h += layout.Part(range(s + 1, p - 1), left + h, OnRow(lineY));
    }
  }

  // Bars past the last group of four are dropped from the suffix.
  layout.Part(line.substr(s + 1), left + h, OnRow(lineY), false);
  out.advance = fractionAdvance;
  return out;
}

}  // namespace prolexa
