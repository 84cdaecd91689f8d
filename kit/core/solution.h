// What a solver hands to the window: a refusal to show in a message box, or
// the drawing steps of the worked solution.
#pragma once

#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "formula.h"
#include "number_text.h"

namespace prolexa {

// The caption every calculator uses for refused input.
inline constexpr std::string_view ErrorCaption = "Chyba";

// The message about too big numbers that most calculators share; a program
// whose own wording differs names its own beside its solver.
inline constexpr std::string_view BigNumbersMessage = "Zadali jste velké číslá. Zadejte menší.";

struct Refusal {
  std::string caption;
  std::string text;
};

// A refusal under the caption "Chyba".
inline Refusal ErrorRefusal(std::string_view text) {
  return {std::string(ErrorCaption), std::string(text)};
}

// Whether a value is beyond what the calculators take (BigNumberLimit).
// Written as "not at most" so that a text that reads as not-a-number, which
// compares false with everything, is refused too.
bool TooBig(double value);

// The pieces one after another, built in one allocation: how the solvers
// join the texts and numbers of a line.
std::string Concat(std::initializer_list<std::string_view> pieces);

// A final result: written at the pupil's count of places, and kept as its
// value so that a changed count rewrites it without composing the solution
// again.
struct PlacesNumber {
  double value = 0;
  int places = 0;
};

struct DrawStep {
  static constexpr std::size_t NoResult = static_cast<std::size_t>(-1);

  enum class Kind { Origin, Superscript, Line, Sketch };
  Kind kind = Kind::Line;
  int x = 0;          // Origin
  int y = 0;          // Origin
  std::string text;   // Superscript text or mark-up line
  SketchItem sketch;  // Sketch
  // A line's result: where its text stands in the line, how long it is, the
  // value it writes and what writes it at a count of places (held here so
  // that a program without results takes in no number writing).
  std::size_t resultAt = NoResult;
  std::size_t resultLength = 0;
  double result = 0;
  std::string (*writeResult)(double value, int places) = nullptr;
};

inline bool operator==(const Refusal& l, const Refusal& r) {
  return l.caption == r.caption && l.text == r.text;
}

// A worked solution or a figure as the painter is to receive it. The first
// step of a solution sets the column origin.
class DrawSteps {
 public:
  void Origin(int x, int y) {
    DrawStep& step = Add(DrawStep::Kind::Origin);
    step.x = x;
    step.y = y;
  }
  void Superscript(std::string text) { Add(DrawStep::Kind::Superscript).text = std::move(text); }
  void Line(std::string markup) { Add(DrawStep::Kind::Line).text = std::move(markup); }
  // A line that ends in a result: `before`, the result at its places, then
  // `after`.
  void Line(std::string before, PlacesNumber result, std::string_view after = {});
  void Sketch(SketchItem item) { Add(DrawStep::Kind::Sketch).sketch = std::move(item); }
  // Writes every result of the lines anew at `places`.
  void SetPlaces(int places);
  const std::vector<DrawStep>& Steps() const { return steps_; }
  std::vector<std::string> Lines() const;

 private:
  DrawStep& Add(DrawStep::Kind kind) {
    // A solution has up to two dozen steps: one allocation instead of five.
    if (steps_.empty()) steps_.reserve(32);
    DrawStep& step = steps_.emplace_back();
    step.kind = kind;
    return step;
  }

  std::vector<DrawStep> steps_;
};

// Hands the steps to a painter in order, from (0, 0) until the first
// origin step. A sketch step goes to the target as a display list of that
// one item.
void PaintSteps(const DrawSteps& steps, FormulaTarget& target, const FormulaProfile& profile);

// The display list of every line and figure piece of the steps, in order:
// what PaintSteps hands a target, kept to be painted again without a new
// layout.
// A solution that runs past `right` is refused whatever follows: the lines
// after the first display list that does are not laid out.
std::vector<FormulaLayout> LayOut(const DrawSteps& steps, const FormulaProfile& profile,
                                  int right = std::numeric_limits<int>::max());
void PaintLayouts(const std::vector<FormulaLayout>& layouts, FormulaTarget& target);

// Lays out again, in place, the lines of `layouts` (LayOut of the steps)
// that hold a result: after the steps' places changed.
void LayOutResults(const DrawSteps& steps, const FormulaProfile& profile,
                   std::vector<FormulaLayout>& layouts);

// Whether every display list (LayOut of the steps) stays left of `right`,
// and every column of lines clear of the columns beside it: a column is the
// lines after one origin step, and one that stands to the right of another,
// level with it, must begin at least a character past its right edge.
bool LayoutsFit(const DrawSteps& steps, const std::vector<FormulaLayout>& layouts, int right);
// The same for the steps, laid out.
bool StepsFit(const DrawSteps& steps, const FormulaProfile& profile, int right);

// Writes the numbers of one solution and remembers whether every one of them
// could be written whole: finite, and with a six-decimal text that fits the
// 19-character number text. A solution with a number that cannot is refused
// as a whole rather than shown cut or as "inf".
class NumberWriter {
 public:
  explicit NumberWriter(int places) : places_(places) {}

  bool AllWhole() const { return allWhole_; }

  // The value as the solution writes it: 0 for one that cannot be written
  // whole, and an exact zero never as "-0".
  double Whole(double value);
  // The six-decimal text of a value.
  std::string Fixed(double value);
  // An intermediate value, rounded up to six places.
  std::string Six(double value) { return RoundValue(Whole(value), FixedPlaces); }
  // A result, rounded up to the user's places when its line is written.
  PlacesNumber Result(double value) { return {Whole(value), places_}; }

 private:
  int places_;
  bool allWhole_ = true;
};

}  // namespace prolexa
