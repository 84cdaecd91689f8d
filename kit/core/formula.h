// Layout of formula mark-up lines.
//
// A line is plain text with four marks: '^' puts the painter's superscript
// text after the character before it, a pair of '@' draws a square root over
// the text between them, four '|' make a fraction (bar, numerator, bar, bar,
// denominator, bar) and a '%' anywhere hides the whole line. Every character
// is 8 pixels wide. The layout is pure arithmetic and yields a display list;
// a FormulaTarget (GDI in the programs, a recorder in the tests) draws it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace prolexa {

inline constexpr int CharWidth = 8;
inline constexpr int PlainLineAdvance = 30;

enum class TextSize { Main, Small };

struct TextItem {
  int x = 0;
  int y = 0;
  TextSize size = TextSize::Main;
  std::string text;
};

// Drawn as the polyline (x+3, y-7), (x+7, y-12), (x+10, y+12), (x+14, y-12),
// (x+w+1, y-12), (x+w+1, y-7).
struct RootSign {
  int x = 0;
  int y = 0;
  int w = 0;
};

struct FractionBar {
  int x1 = 0;
  int y = 0;
  int x2 = 0;
};

struct Point {
  int x = 0;
  int y = 0;
};

// A box by its corners, right and bottom excluded as GDI takes them.
struct Box {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The box that holds both; a box without width holds nothing.
Box Union(const Box& a, const Box& b);

// A piece of a figure drawn beside or under the formulas: lines, arcs and
// ellipses in the context's pen, labels in the default GUI font.
struct SketchItem {
  enum class Kind { Polyline, Arc, Ellipse, Label };
  Kind kind = Kind::Polyline;
  std::vector<Point> points;  // Polyline: its corners in order
  Box box;                    // Arc, Ellipse: the bounding box
  Point from;                 // Arc: drawn counter-clockwise from the ray
  Point to;                   // through `from` to the ray through `to`
  Point at;                   // Label: its top-left corner
  std::string text;           // Label
  // The pen's colour as 0xRRGGBB, or the context's own pen when negative;
  // white takes away what lies under it.
  long colour = -1;

  static SketchItem Polyline(std::vector<Point> corners);
  static SketchItem Line(Point a, Point b) { return Polyline({a, b}); }
  static SketchItem Arc(Box box, Point from, Point to);
  static SketchItem Ellipse(Box box);
  static SketchItem Label(Point at, std::string text);
};

bool operator==(const Point& l, const Point& r);
bool operator==(const Box& l, const Box& r);
bool operator==(const SketchItem& l, const SketchItem& r);
bool operator==(const TextItem& l, const TextItem& r);
bool operator==(const RootSign& l, const RootSign& r);
bool operator==(const FractionBar& l, const FractionBar& r);

// How far a line with a fraction moves the next line down: the one
// difference between the programs' renderers. Each program names its own
// next to its solver.
struct FormulaProfile {
  int fractionAdvance = 85;
};

// Heights of the drawn items, for the box a line covers: a main text's
// cell, a superscript's, and how far a root sign reaches above and below its
// row.
inline constexpr int MainTextHeight = 16;
inline constexpr int SmallTextHeight = 11;
inline constexpr int RootReach = 12;

// The display list of one line, in drawing order: main texts, then the
// superscripts (small texts), root signs and fraction bars; or of one piece
// of a figure.
struct FormulaLayout {
  std::vector<TextItem> texts;
  std::vector<TextItem> superscripts;
  std::vector<RootSign> roots;
  std::vector<FractionBar> bars;
  std::vector<SketchItem> sketches;  // a figure's items, drawn last
  int advance = 0;  // how far lineY moves after this line
  // The box the line's items cover (a text counts 8 pixels a character):
  // right is the column just past the rightmost pixel they reach. Empty
  // (all zero) for a line with nothing drawn.
  Box extent;
};

// The column just past the rightmost pixel the items reach (a text counts
// 8 pixels a character); 0 when there is nothing. A line's items are counted
// as its layout places them (extent.right).
int RightEdge(const FormulaLayout& layout);
int RightEdge(const SketchItem& item);

// Lays out one UTF-8 mark-up line at column `left` with its baseline row at
// lineY. A line may hold any number of characters, marks and items. Lines
// with fewer than four '|' are plain lines (a stray '|' is not drawn); '|'
// marks past the last group of four are dropped from the suffix. What
// follows a fraction starts past its wider part (and past a superscript
// hanging out of it).
FormulaLayout LayoutFormula(std::string_view line, int left, int lineY,
                            std::string_view superscript, int fractionAdvance);

class FormulaTarget {
 public:
  virtual void Draw(const FormulaLayout& layout) = 0;

 protected:
  ~FormulaTarget() = default;
};

}  // namespace prolexa
