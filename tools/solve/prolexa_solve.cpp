// prolexa-solve: prints what a calculator would show for the given inputs,
// the message box of a refusal or the drawing steps of the worked solution,
// so that a maintainer can check a solution without starting Windows.
//
//   prolexa-solve PROGRAM [--layout] [NAME=VALUE ...]
//
// Output (UTF-8, one item a line, fields separated by a tab):
//   refused CAPTION TEXT          for each message box shown
//   origin X Y                    whenever the column origin is set
//   superscript TEXT              whenever the superscript text is set
//   line MARKUP                   for every mark-up line handed to the painter
// and with --layout, after each line, its drawing items:
//   text X Y main|small TEXT, root X Y W, bar X1 Y X2
// Exit status: 0 accepted, 1 refused, 2 bad usage.
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "formula.h"
#include "number_text.h"
#include "radixa_solver.h"
#include "solution.h"
#include "trigona_solver.h"

namespace prolexa {
namespace {

constexpr int kAccepted = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;

void PrintFields(std::initializer_list<std::string> fields) {
  std::string line;
  for (const std::string& field : fields) {
    if (!line.empty()) line += '\t';
    line += field;
  }
  line += '\n';
  std::fputs(line.c_str(), stdout);
}

class LayoutPrinter : public FormulaTarget {
 public:
  void Draw(const FormulaLayout& layout) override {
    for (const auto* items : {&layout.texts, &layout.superscripts}) {
      for (const TextItem& t : *items) {
        PrintFields({"text", std::to_string(t.x), std::to_string(t.y),
                     t.size == TextSize::Main ? "main" : "small", t.text});
      }
    }
    for (const RootSign& r : layout.roots) {
      PrintFields({"root", std::to_string(r.x), std::to_string(r.y), std::to_string(r.w)});
    }
    for (const FractionBar& b : layout.bars) {
      PrintFields({"bar", std::to_string(b.x1), std::to_string(b.y), std::to_string(b.x2)});
    }
  }
};

int PrintRefusal(const Refusal& refusal) {
  PrintFields({"refused", refusal.caption, refusal.text});
  return kRefused;
}

int PrintSteps(const DrawSteps& steps, const FormulaProfile& profile, bool withLayout) {
  LayoutPrinter printer;
  FormulaPainter painter(printer, profile, 0, 0);
  for (const DrawStep& step : steps.Steps()) {
    switch (step.kind) {
      case DrawStep::Kind::Origin:
        PrintFields({"origin", std::to_string(step.x), std::to_string(step.y)});
        painter.SetOrigin(step.x, step.y);
        break;
      case DrawStep::Kind::Superscript:
        PrintFields({"superscript", step.text});
        painter.SetSuperscript(step.text);
        break;
      case DrawStep::Kind::Line:
        PrintFields({"line", step.text});
        if (withLayout) painter.DrawFormula(step.text);
        break;
    }
  }
  return kAccepted;
}

// The NAME=VALUE inputs of one run, each checked against the program's names.
class Inputs {
 public:
  explicit Inputs(std::map<std::string, std::string> values) : values_(std::move(values)) {}

  std::string Text(const std::string& name, const std::string& fallback = "") const {
    auto it = values_.find(name);
    return it == values_.end() ? fallback : it->second;
  }

  // A whole decimal number, or nothing when the text is not one.
  bool Integer(const std::string& name, int fallback, int& out) const {
    auto it = values_.find(name);
    if (it == values_.end()) {
      out = fallback;
      return true;
    }
    const std::string& text = it->second;
    std::size_t i = text.size() > 1 && text[0] == '-' ? 1 : 0;
    if (i == text.size() || text.size() > 9) return false;
    for (std::size_t k = i; k < text.size(); ++k) {
      if (text[k] < '0' || text[k] > '9') return false;
    }
    out = ParseInteger(text);
    return true;
  }

 private:
  std::map<std::string, std::string> values_;
};

struct Program {
  const char* name;
  std::vector<std::string> names;
  std::function<int(const Inputs&, bool withLayout)> run;
};

int RunTrigona(const Inputs& in, bool withLayout) {
  trigona::SideUnits units;
  int showUnits = 1;
  if (!in.Integer("ua", trigona::DefaultUnit, units.a) ||
      !in.Integer("ub", trigona::DefaultUnit, units.b) ||
      !in.Integer("uc", trigona::DefaultUnit, units.c) || !in.Integer("units", 1, showUnits)) {
    std::fputs("prolexa-solve: ua, ub, uc and units take whole numbers\n", stderr);
    return kUsage;
  }
  const trigona::SideTexts sides{in.Text("a"), in.Text("b"), in.Text("c")};
  const trigona::CheckResult check = trigona::SolveRightTriangle(sides, units);
  if (check.refusal) return PrintRefusal(*check.refusal);
  const int places = PlacesFromText(in.Text("places", "2"));
  return PrintSteps(
      trigona::DrawRightTriangleSolution(check.state, sides, units, showUnits != 0, places),
      TrigonaFormulas, withLayout);
}

int RunRadixa(const Inputs& in, bool withLayout) {
  const radixa::CoefficientTexts texts{in.Text("a"), in.Text("b"), in.Text("c")};
  const radixa::CheckResult check = radixa::CheckCoefficients(texts);
  if (check.refusal) return PrintRefusal(*check.refusal);
  const int places = PlacesFromText(in.Text("places", "2"));
  return PrintSteps(radixa::DrawQuadraticSolution(texts, places), RadixaFormulas, withLayout);
}

const std::vector<Program>& Programs() {
  static const std::vector<Program> programs = {
      {"trigona", {"a", "b", "c", "ua", "ub", "uc", "units", "places"}, RunTrigona},
      {"radixa", {"a", "b", "c", "places"}, RunRadixa},
  };
  return programs;
}

int Usage(const std::string& problem) {
  std::string names;
  for (const Program& p : Programs()) names += std::string(names.empty() ? "" : ", ") + p.name;
  std::fprintf(stderr,
               "prolexa-solve: %s\nusage: prolexa-solve PROGRAM [--layout] [NAME=VALUE ...]\n"
               "programs: %s\n",
               problem.c_str(), names.c_str());
  return kUsage;
}

int Main(int argc, char** argv) {
  if (argc < 2) return Usage("no program named");
  const std::string name = argv[1];
  const Program* program = nullptr;
  for (const Program& p : Programs()) {
    if (name == p.name) program = &p;
  }
  if (program == nullptr) return Usage("unknown program '" + name + "'");

  bool withLayout = false;
  std::map<std::string, std::string> values;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--layout") {
      withLayout = true;
      continue;
    }
    const std::size_t eq = arg.find('=');
    const std::string key = arg.substr(0, eq);
    bool known = false;
    for (const std::string& n : program->names) known = known || n == key;
    if (eq == std::string::npos || !known) {
      return Usage("unknown input '" + arg + "' for " + name);
    }
    values[key] = arg.substr(eq + 1);
  }
  return program->run(Inputs(std::move(values)), withLayout);
}

}  // namespace
}  // namespace prolexa

int main(int argc, char** argv) { return prolexa::Main(argc, argv); }
