// What a solver hands to the window: a refusal to show in a message box, or
// the drawing steps of the worked solution.
#pragma once

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

struct DrawStep {
  enum class Kind { Origin, Superscript, Line, Sketch };
  Kind kind = Kind::Line;
  int x = 0;          // Origin
  int y = 0;          // Origin
  std::string text;   // Superscript text or mark-up line
  SketchItem sketch;  // Sketch
};

inline bool operator==(const Refusal& l, const Refusal& r) {
  return l.caption == r.caption && l.text == r.text;
}

// A worked solution or a figure as the painter is to receive it. The first
// step of a solution sets the column origin.
class DrawSteps {
 public:
  void Origin(int x, int y) { steps_.push_back({DrawStep::Kind::Origin, x, y, {}, {}}); }
  void Superscript(std::string text) {
    steps_.push_back({DrawStep::Kind::Superscript, 0, 0, std::move(text), {}});
  }
  void Line(std::string markup) {
    steps_.push_back({DrawStep::Kind::Line, 0, 0, std::move(markup), {}});
  }
  void Sketch(SketchItem item) {
    steps_.push_back({DrawStep::Kind::Sketch, 0, 0, {}, std::move(item)});
  }
  const std::vector<DrawStep>& Steps() const { return steps_; }
  std::vector<std::string> Lines() const;

 private:
  std::vector<DrawStep> steps_;
};

// Hands the steps to a painter in order, from (0, 0) until the first
// origin step. A sketch step goes to the target as a display list of that
// one item.
void PaintSteps(const DrawSteps& steps, FormulaTarget& target, const FormulaProfile& profile);

// The display list of every line and figure piece of the steps, in order:
// what PaintSteps hands a target, kept to be painted again without a new
// layout.
std::vector<FormulaLayout> LayOut(const DrawSteps& steps, const FormulaProfile& profile);
void PaintLayouts(const std::vector<FormulaLayout>& layouts, FormulaTarget& target);

// The "%f" text of a value rounded up to `places` (6 for intermediate values,
// 20 for the plain six-decimal text, the user's count for results).
std::string Rounded(double value, int places);

// Writes the numbers of one solution and remembers whether every one of them
// could be written whole: finite, and with a six-decimal text that fits the
// 19-character number text. A solution with a number that cannot is refused
// as a whole rather than shown cut or as "inf".
class NumberWriter {
 public:
  explicit NumberWriter(int places) : places_(places) {}

  bool AllWhole() const { return allWhole_; }

  // The six-decimal text of a value; an exact zero is written 0, never "-0".
  std::string Fixed(double value);
  // An intermediate value, rounded up to six places.
  std::string Six(double value) { return RoundNumberText(Fixed(value), 6); }
  // A result, rounded up to the user's places.
  std::string Result(double value) { return RoundNumberText(Fixed(value), places_); }

 private:
  int places_;
  bool allWhole_ = true;
};

}  // namespace prolexa
