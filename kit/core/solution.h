// What a solver hands to the window: a refusal to show in a message box, or
// the drawing steps of the worked solution.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "formula.h"

namespace prolexa {

// The caption every calculator uses for refused input.
inline constexpr std::string_view ErrorCaption = "Chyba";

struct Refusal {
  std::string caption;
  std::string text;
};

struct DrawStep {
  enum class Kind { Origin, Superscript, Line };
  Kind kind = Kind::Line;
  int x = 0;          // Origin
  int y = 0;          // Origin
  std::string text;   // Superscript text or mark-up line
};

inline bool operator==(const Refusal& l, const Refusal& r) {
  return l.caption == r.caption && l.text == r.text;
}

// A worked solution as the painter is to receive it. The first step sets the
// column origin.
class DrawSteps {
 public:
  void Origin(int x, int y) { steps_.push_back({DrawStep::Kind::Origin, x, y, {}}); }
  void Superscript(std::string text) {
    steps_.push_back({DrawStep::Kind::Superscript, 0, 0, std::move(text)});
  }
  void Line(std::string markup) {
    steps_.push_back({DrawStep::Kind::Line, 0, 0, std::move(markup)});
  }
  const std::vector<DrawStep>& Steps() const { return steps_; }
  std::vector<std::string> Lines() const;

 private:
  std::vector<DrawStep> steps_;
};

// Hands the steps to a painter in order. A painter is made at the first
// origin step; steps before it are drawn at (0, 0).
void PaintSteps(const DrawSteps& steps, FormulaTarget& target, const FormulaProfile& profile);

// The "%f" text of a value rounded up to `places` (6 for intermediate values,
// 20 for the plain six-decimal text, the user's count for results).
std::string Rounded(double value, int places);

}  // namespace prolexa
