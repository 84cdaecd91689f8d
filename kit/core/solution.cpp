#include "solution.h"

#include <algorithm>
#include <array>

namespace prolexa {

std::string Concat(std::initializer_list<std::string_view> pieces) {
  std::size_t size = 0;
  for (const std::string_view piece : pieces) size += piece.size();
  std::string joined;
  joined.reserve(size);
  for (const std::string_view piece : pieces) joined += piece;
  return joined;
}

std::vector<std::string> DrawSteps::Lines() const {
  std::vector<std::string> lines;
  for (const DrawStep& step : steps_) {
    if (step.kind == DrawStep::Kind::Line) lines.push_back(step.text);
  }
  return lines;
}

void DrawSteps::SetPlaces(int places) {
  for (DrawStep& step : steps_) {
    if (step.resultAt == DrawStep::NoResult) continue;
    const std::string number = step.writeResult(step.result, places);
    step.text.replace(step.resultAt, step.resultLength, number);
    step.resultLength = number.size();
  }
}

namespace {

// Hands every line step to `line` with the column, row and superscript text
// a painter has for it (`line` gives how far the row then moves down), and
// every figure piece to `sketch`.
template <class OnLine, class OnSketch>
void Walk(const DrawSteps& steps, OnLine line, OnSketch sketch) {
  int left = 0;
  int lineY = 0;
  std::string_view superscript = "2";
  for (const DrawStep& step : steps.Steps()) {
    switch (step.kind) {
      case DrawStep::Kind::Origin:
        left = step.x;
        lineY = step.y;
        break;
      case DrawStep::Kind::Superscript:
        superscript = step.text;
        break;
      case DrawStep::Kind::Line:
        lineY += line(step, left, lineY, superscript);
        break;
      case DrawStep::Kind::Sketch:
        sketch(step.sketch);
        break;
    }
  }
}

}  // namespace

void PaintSteps(const DrawSteps& steps, FormulaTarget& target, const FormulaProfile& profile) {
  PaintLayouts(LayOut(steps, profile), target);
}

std::vector<FormulaLayout> LayOut(const DrawSteps& steps, const FormulaProfile& profile,
                                  int right) {
  std::vector<FormulaLayout> layouts;
  layouts.reserve(steps.Steps().size());
  bool past = false;
  Walk(
      steps,
      [&](const DrawStep& step, int left, int lineY, std::string_view superscript) {
        if (past) return 0;
        layouts.push_back(
            LayoutFormula(step.text, left, lineY, superscript, profile.fractionAdvance));
        past = RightEdge(layouts.back()) > right;
        return layouts.back().advance;
      },
      [&](const SketchItem& item) {
        if (!past) layouts.emplace_back().sketches.push_back(item);
      });
  return layouts;
}

void LayOutResults(const DrawSteps& steps, const FormulaProfile& profile,
                   std::vector<FormulaLayout>& layouts) {
  // A result is a number: it never changes how far its line moves the next
  // one, so every other line keeps its place.
  std::size_t k = 0;
  Walk(
      steps,
      [&](const DrawStep& step, int left, int lineY, std::string_view superscript) {
        FormulaLayout& layout = layouts[k++];
        if (step.resultAt != DrawStep::NoResult) {
          layout = LayoutFormula(step.text, left, lineY, superscript, profile.fractionAdvance);
        }
        return layout.advance;
      },
      [&](const SketchItem&) { ++k; });
}

bool LayoutsFit(const DrawSteps& steps, const std::vector<FormulaLayout>& layouts, int right) {
  // The lines of each column, as one box; a solution has a handful of
  // columns, and any beyond the last place count with the last.
  std::array<Box, 8> columns{};
  std::size_t column = 0;
  std::size_t k = 0;
  for (const DrawStep& step : steps.Steps()) {
    if (step.kind == DrawStep::Kind::Origin) {
      const Box& current = columns[column];
      if (current.right > current.left && column + 1 < columns.size()) ++column;
      continue;
    }
    if (step.kind != DrawStep::Kind::Line && step.kind != DrawStep::Kind::Sketch) continue;
    if (k >= layouts.size()) return false;  // laid out only up to a line past `right`
    const FormulaLayout& layout = layouts[k++];
    if (RightEdge(layout) > right) return false;
    columns[column] = Union(columns[column], layout.extent);
  }
  for (std::size_t a = 0; a <= column; ++a) {
    for (std::size_t b = 0; b <= column; ++b) {
      const Box& l = columns[a];
      const Box& r = columns[b];
      const bool level = l.top < r.bottom && r.top < l.bottom;
      if (level && l.left < r.left && l.right + CharWidth > r.left) return false;
    }
  }
  return true;
}

bool StepsFit(const DrawSteps& steps, const FormulaProfile& profile, int right) {
  return LayoutsFit(steps, LayOut(steps, profile, right), right);
}

void PaintLayouts(const std::vector<FormulaLayout>& layouts, FormulaTarget& target) {
  for (const FormulaLayout& layout : layouts) target.Draw(layout);
}

}  // namespace prolexa
