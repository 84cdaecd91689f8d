// The property every calculator keeps for the numbers pupils type (one to
// four digits, up to three decimals, in every unit, kind and option): what
// the check accepts is drawn, refused for its width only where a line really
// runs past the window or into the column beside it, and never drawn with
// two items over each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "calculator.h"
#include "conversion.h"
#include "counting.h"
#include "dromika_solver.h"
#include "heat.h"
#include "radixa_solver.h"
#include "rezeze_solver.h"
#include "trigona_solver.h"
#include "utf.h"

namespace prolexa {
namespace {

int Between(std::mt19937& random, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random);
}

struct OrdinaryOutcome {
  int accepted = 0;
  int refusedByCheck = 0;
  int refusedForWidth = 0;
};

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
  for (const TextItem& t : layout.texts) {
    m.texts.push_back({t.x, t.y, t.x + Width(t.text), t.y + 16});
  }
  for (const TextItem& t : layout.superscripts) {
    m.superscripts.push_back({t.x, t.y, t.x + Width(t.text), t.y + 11});
  }
  for (const FractionBar& b : layout.bars) m.bars.push_back({b.x1, b.y, b.x2, b.y + 1});
  for (const RootSign& r : layout.roots) {
    m.all.push_back({r.x + 3, r.y - 12, r.x + r.w + 2, r.y + 13});
  }
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

// A number as pupils type it: one to four digits, up to three decimals.
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

// A number, or now and then an empty field.
std::string OrdinaryOrEmpty(std::mt19937& random) {
  return Between(random, 0, 3) == 0 ? std::string() : OrdinaryNumber(random);
}


// Runs `count` forms from `make` through the calculator as its window does,
// failing the test for every form refused for its width although every line
// fits, and every accepted line with items over each other or past the window.
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

// Each calculator's forms as a pupil fills them, and how many of them at
// least the check must accept for the run to say something.
struct Calculator {
  const char* name;
  const CalculatorCore& core;
  std::function<FormInputs(std::mt19937&)> make;
  int forms;
  int leastAccepted;
};

FormInputs TrigonaForm(std::mt19937& r) {
  return {{OrdinaryOrEmpty(r), OrdinaryOrEmpty(r), OrdinaryOrEmpty(r)},
          {Between(r, 0, 3), Between(r, 0, 3), Between(r, 0, 3)},
          {Between(r, 0, 1) == 1}};
}

// Coefficients of either sign, so that every kind of root comes up.
FormInputs RadixaForm(std::mt19937& r) {
  const auto coefficient = [&r] { return (Between(r, 0, 1) == 1 ? "-" : "") + OrdinaryNumber(r); };
  return {{coefficient(), coefficient(), coefficient()}, {}, {}};
}

FormInputs RezezeForm(std::mt19937& r) {
  FormInputs form;
  form.mode = Between(r, 0, rezeze::ExerciseCount - 1);
  for (int i = 0; i < rezeze::RowCount - 1; ++i) form.texts.push_back(OrdinaryOrEmpty(r));
  for (int i = 0; i < rezeze::RowCount; ++i) form.lists.push_back(Between(r, 0, 3));
  form.options = {Between(r, 0, 1) == 1};
  return form;
}

FormInputs DromikaForm(std::mt19937& r) {
  FormInputs form;
  form.mode = Between(r, 0, dromika::KindCount - 1);
  for (int i = 0; i < 5; ++i) form.texts.push_back(OrdinaryOrEmpty(r));
  form.lists = {Between(r, 0, 1), Between(r, 0, 1), Between(r, 0, 1), Between(r, 0, 2),
                Between(r, 0, 2), Between(r, 0, 1), form.mode};
  form.options = {Between(r, 0, 1) == 1};
  return form;
}

FormInputs ZazozarozovuzForm(std::mt19937& r) {
  FormInputs form;
  form.mode = Between(r, 0, zazozarozovuz::OptionCount - 1);
  form.texts = {std::to_string(Between(r, 0, 999)), std::to_string(Between(r, 0, 99))};
  return form;
}

// One of the five quantities sought.
FormInputs ZerazForm(std::mt19937& r) {
  FormInputs form;
  for (int i = 0; i < 5; ++i) form.texts.push_back(OrdinaryNumber(r));
  form.texts[static_cast<std::size_t>(Between(r, 0, 4))].clear();
  form.lists = {Between(r, 0, 2), Between(r, 0, 2), Between(r, 0, 1), Between(r, 0, 1)};
  form.options = {Between(r, 0, 1) == 1};
  return form;
}

FormInputs MernikaForm(std::mt19937& r) {
  FormInputs form;
  form.mode = Between(r, 0, mernika::CategoryCount - 1);
  const int units = static_cast<int>(mernika::CategoryAt(form.mode).units.size());
  form.texts = {OrdinaryNumber(r), ""};
  form.lists = {form.mode, Between(r, 0, units - 1), Between(r, 0, units - 1)};
  return form;
}

TEST(OrdinaryInputs, AreDrawnWholeInEveryCalculator) {
  const Calculator calculators[] = {
      {"Trigona", trigona::Core, TrigonaForm, 4000, 400},
      {"Radixa", radixa::Core, RadixaForm, 3000, 1500},
      {"Rezeze", rezeze::Core, RezezeForm, 8000, 1000},
      {"Dromika", dromika::Core, DromikaForm, 8000, 500},
      {"Zazozarozovuz", zazozarozovuz::Core, ZazozarozovuzForm, 4000, 200},
      {"Zeraz", zeraz::Core, ZerazForm, 4000, 2000},
      {"Mernika", mernika::Core, MernikaForm, 4000, 3000},
  };
  for (const Calculator& c : calculators) {
    SCOPED_TRACE(c.name);
    EXPECT_GT(CheckOrdinaryInputs(c.core, c.make, c.forms).accepted, c.leastAccepted);
  }
}

}  // namespace
}  // namespace prolexa
