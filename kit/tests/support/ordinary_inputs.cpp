#include "ordinary_inputs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "utf.h"

namespace prolexa::testing {
namespace {

// An item's box measured from its own text and coordinates, apart from the
// layout's own account of what a line covers.
struct Rect {
  int left, top, right, bottom;
  bool Meets(const Rect& o) const {
    return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
  }
};

int Width(const std::string& text) { return 8 * static_cast<int>(CharacterCount(text)); }

struct Measured {
  std::vector<Rect> texts;
  std::vector<Rect> superscripts;
  std::vector<Rect> bars;
  std::vector<Rect> all;
};

Measured Measure(const FormulaLayout& layout) {
  Measured m;
  for (const TextItem& t : layout.texts) m.texts.push_back({t.x, t.y, t.x + Width(t.text), t.y + 16});
  for (const TextItem& t : layout.superscripts) {
    m.superscripts.push_back({t.x, t.y, t.x + Width(t.text), t.y + 11});
  }
  for (const FractionBar& b : layout.bars) m.bars.push_back({b.x1, b.y, b.x2, b.y + 1});
  for (const RootSign& r : layout.roots) m.all.push_back({r.x + 3, r.y - 12, r.x + r.w + 2, r.y + 13});
  for (const auto* group : {&m.texts, &m.superscripts, &m.bars}) {
    m.all.insert(m.all.end(), group->begin(), group->end());
  }
  return m;
}

struct Line {
  int column;  // which origin step it follows
  Rect box;    // of all its items
};

std::string Describe(const FormInputs& form) {
  std::ostringstream out;
  out << "mode " << form.mode << ", texts";
  for (const std::string& t : form.texts) out << " [" << t << "]";
  out << ", lists";
  for (int l : form.lists) out << ' ' << l;
  out << ", options";
  for (bool o : form.options) out << ' ' << o;
  return out.str();
}

// Whether a line of the drawn solution runs past `right` or into a column
// beside its own: one to its right whose lines stand level with it, which
// must begin at least a character after it.
bool SomeLineDoesNotFit(const DrawSteps& steps, const FormulaProfile& profile, int right) {
  const std::vector<FormulaLayout> layouts = LayOut(steps, profile);
  std::vector<Line> lines;
  int column = 0;
  std::size_t k = 0;
  for (const DrawStep& step : steps.Steps()) {
    if (step.kind == DrawStep::Kind::Origin) ++column;
    if (step.kind != DrawStep::Kind::Line) {
      if (step.kind == DrawStep::Kind::Sketch) ++k;
      continue;
    }
    const Measured m = Measure(layouts[k++]);
    if (m.all.empty()) continue;
    Rect box = m.all[0];
    for (const Rect& r : m.all) {
      box = {std::min(box.left, r.left), std::min(box.top, r.top), std::max(box.right, r.right),
             std::max(box.bottom, r.bottom)};
    }
    if (box.right > right) return true;
    lines.push_back({column, box});
  }
  for (const Line& a : lines) {
    for (const Line& b : lines) {
      const bool level = a.box.top < b.box.bottom && b.box.top < a.box.bottom;
      if (a.column != b.column && level && a.box.left < b.box.left &&
          a.box.right + 8 > b.box.left) {
        return true;
      }
    }
  }
  return false;
}

// What overlaps in one accepted line, or nothing.
std::string Overlap(const FormulaLayout& layout) {
  const Measured m = Measure(layout);
  for (std::size_t i = 0; i < m.texts.size(); ++i) {
    for (std::size_t j = i + 1; j < m.texts.size(); ++j) {
      if (m.texts[i].Meets(m.texts[j])) {
        return "\"" + layout.texts[i].text + "\" and \"" + layout.texts[j].text + "\"";
      }
    }
  }
  // A superscript that touches a bar reads as part of it: keep a pixel clear.
  for (const Rect& s : m.superscripts) {
    for (const Rect& b : m.bars) {
      if (s.Meets({b.left, b.top - 1, b.right, b.bottom + 1})) return "a superscript on a bar";
    }
  }
  return {};
}

}  // namespace

std::string OrdinaryNumber(std::mt19937& random) {
  std::string number = std::to_string(Between(random, 1, 9));
  for (int i = Between(random, 0, 3); i > 0; --i) number += std::to_string(Between(random, 0, 9));
  const int decimals = Between(random, 0, 3);
  if (decimals > 0) {
    number += '.';
    for (int i = 0; i < decimals; ++i) number += std::to_string(Between(random, 0, 9));
  }
  return number;
}

std::string OrdinaryOrEmpty(std::mt19937& random) {
  return Between(random, 0, 3) == 0 ? std::string() : OrdinaryNumber(random);
}

int Between(std::mt19937& random, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random);
}

OrdinaryOutcome CheckOrdinaryInputs(const CalculatorCore& core,
                                    const std::function<FormInputs(std::mt19937&)>& make,
                                    int count) {
  std::mt19937 random(20261208);
  OrdinaryOutcome outcome;
  for (int i = 0; i < count; ++i) {
    const FormInputs form = make(random);
    const Verdict checked = core.check(form);
    const Solution solution = Solve(core, form, Between(random, 0, MostPlaces));
    if (!checked.Accepted()) {
      ++outcome.refusedByCheck;
      continue;
    }
    if (!solution.verdict.Accepted()) {
      ++outcome.refusedForWidth;
      EXPECT_EQ(solution.verdict.refusal->text, core.tooBigText);
      const DrawSteps steps = core.draw(form, checked.state, MostPlaces);
      EXPECT_TRUE(SomeLineDoesNotFit(steps, core.profile, core.solutionRight))
          << "refused although every line fits: " << Describe(form);
      continue;
    }
    ++outcome.accepted;
    EXPECT_FALSE(SomeLineDoesNotFit(solution.steps, core.profile, core.solutionRight))
        << Describe(form);
    for (const FormulaLayout& layout : solution.layouts) {
      const std::string overlap = Overlap(layout);
      EXPECT_TRUE(overlap.empty()) << overlap << " overlap: " << Describe(form);
    }
  }
  return outcome;
}

}  // namespace prolexa::testing
