#include "solution.h"

#include <algorithm>

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

std::vector<FormulaLayout> LayOut(const DrawSteps& steps, const FormulaProfile& profile) {
  std::vector<FormulaLayout> layouts;
  layouts.reserve(steps.Steps().size());
  Walk(
      steps,
      [&](const DrawStep& step, int left, int lineY, std::string_view superscript) {
        layouts.push_back(
            LayoutFormula(step.text, left, lineY, superscript, profile.fractionAdvance));
        return layouts.back().advance;
      },
      [&](const SketchItem& item) { layouts.emplace_back().sketches.push_back(item); });
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

bool LayoutsFit(const std::vector<FormulaLayout>& layouts, const FormulaCapacity& capacity,
                int right) {
  return std::all_of(layouts.begin(), layouts.end(), [&](const FormulaLayout& layout) {
    return FitsCapacity(layout, capacity) && RightEdge(layout) <= right;
  });
}

bool StepsFit(const DrawSteps& steps, const FormulaProfile& profile, int right) {
  return LayoutsFit(LayOut(steps, profile), profile.capacity, right);
}

void PaintLayouts(const std::vector<FormulaLayout>& layouts, FormulaTarget& target) {
  for (const FormulaLayout& layout : layouts) target.Draw(layout);
}

}  // namespace prolexa
