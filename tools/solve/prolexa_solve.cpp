// prolexa-solve: prints what a calculator would show for the given inputs,
// the message box of a refusal or the drawing steps of the worked solution,
// so that a maintainer can check a solution without starting Windows.
//
//   prolexa-solve PROGRAM [--layout | --text | --speech] [NAME=VALUE ...]
//
// Output (UTF-8, one item a line, fields separated by a tab):
//   refused CAPTION TEXT          for each message box shown
//   origin X Y                    whenever the column origin is set
//   superscript TEXT              whenever the superscript text is set
//   line MARKUP                   for every mark-up line of the solution
// and with --layout, after each line, the drawing items the window paints:
//   text X Y main|small TEXT, root X Y W, bar X1 Y X2
// With --text, instead of the steps, the solution as the clipboard takes it:
//   copy TEXT                     for every drawn line
// With --speech, instead of the steps, the solution as the program reads it
// out to a screen reader, in the program's language:
//   say WORDS                     for every drawn line
// Each text reaches its field as a paste would: through the field's key
// filter, so that nothing is computed that a pupil cannot type (letters,
// marks of the formula mark-up, a sign where the field takes none), and the
// comma becomes the decimal point. Exit status: 0 accepted, 1 refused, 2 bad
// usage, 3 the output could not be written (a full disk, a closed pipe).
#include <cstdio>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calculator.h"
#include "formula.h"
#include "key_filter.h"
#include "number_text.h"
#include "plain_text.h"
#include "spoken_text.h"
#include "dromika_solver.h"
#include "radixa_solver.h"
#include "rezeze_solver.h"
#include "solution.h"
#include "trigona_solver.h"
#include "utf.h"
#include "counting.h"
#include "heat.h"
#include "conversion.h"

namespace prolexa {
namespace {

constexpr int kAccepted = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;
constexpr int kWriteFailed = 3;

void PrintFields(std::initializer_list<std::string> fields) {
  std::string line;
  for (const std::string& field : fields) {
    if (!line.empty()) line += '\t';
    line += field;
  }
  line += '\n';
  std::fputs(line.c_str(), stdout);
}

void PrintSketch(const SketchItem& item) {
  const auto box = [&item] {
    return std::to_string(item.box.left) + " " + std::to_string(item.box.top) + " " +
           std::to_string(item.box.right) + " " + std::to_string(item.box.bottom);
  };
  const auto point = [](Point p) { return std::to_string(p.x) + " " + std::to_string(p.y); };
  switch (item.kind) {
    case SketchItem::Kind::Polyline: {
      std::string corners;
      for (const Point& p : item.points) corners += (corners.empty() ? "" : ", ") + point(p);
      PrintFields({"polyline", corners});
      break;
    }
    case SketchItem::Kind::Arc:
      PrintFields({"arc", box(), point(item.from), point(item.to)});
      break;
    case SketchItem::Kind::Ellipse:
      PrintFields({"ellipse", box()});
      break;
    case SketchItem::Kind::Label:
      PrintFields({"label", point(item.at), item.text});
      break;
  }
}

// The items of one display list in the order a target draws them.
void PrintLayout(const FormulaLayout& layout) {
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
  for (const SketchItem& item : layout.sketches) PrintSketch(item);
}

int PrintRefusal(const Refusal& refusal) {
  PrintFields({"refused", refusal.caption, refusal.text});
  return kRefused;
}

// The steps of the solution as the window keeps it and, with its layout,
// the display list the window paints for each line and figure piece: the
// layouts follow the steps one for one.
int PrintSolution(const Solution& solution, bool withLayout) {
  std::size_t next = 0;
  const auto printNextLayout = [&] {
    if (withLayout && next < solution.layouts.size()) PrintLayout(solution.layouts[next]);
    ++next;
  };
  for (const DrawStep& step : solution.steps.Steps()) {
    switch (step.kind) {
      case DrawStep::Kind::Origin:
        PrintFields({"origin", std::to_string(step.x), std::to_string(step.y)});
        break;
      case DrawStep::Kind::Superscript:
        PrintFields({"superscript", step.text});
        break;
      case DrawStep::Kind::Line:
        PrintFields({"line", step.text});
        printNextLayout();
        break;
      case DrawStep::Kind::Sketch:
        printNextLayout();
        break;
    }
  }
  return kAccepted;
}

// How a NAME=VALUE input reaches the program's form.
struct Input {
  enum class Kind { Text, List, Option, Mode } kind;
  std::size_t index;
  int fallback = 0;  // a list's entry, an option's state or the mode when not given
};

struct Program {
  const char* name;
  const CalculatorCore* core;
  std::span<const KeyField> keys;  // of each text field, by its index
  std::vector<std::pair<std::string, Input>> inputs;  // "places" comes on top
  int modes = 1;  // the exercises a Mode input chooses from
};

const std::vector<Program>& Programs() {
  using K = Input::Kind;
  static const std::vector<Program> programs = {
      {"trigona",
       &trigona::Core,
       trigona::FieldKeys,
       {{"a", {K::Text, trigona::FieldA}},
        {"b", {K::Text, trigona::FieldB}},
        {"c", {K::Text, trigona::FieldC}},
        {"ua", {K::List, trigona::UnitA, trigona::DefaultUnit}},
        {"ub", {K::List, trigona::UnitB, trigona::DefaultUnit}},
        {"uc", {K::List, trigona::UnitC, trigona::DefaultUnit}},
        {"units", {K::Option, trigona::ShowUnits, 1}}}},
      {"radixa",
       &radixa::Core,
       radixa::FieldKeys,
       {{"a", {K::Text, radixa::FieldA}},
        {"b", {K::Text, radixa::FieldB}},
        {"c", {K::Text, radixa::FieldC}}}},
      {"rezeze",
       &rezeze::Core,
       rezeze::FieldKeys,
       {{"ex", {K::Mode, 0}},
        {"t1", {K::Text, 0}},
        {"t2", {K::Text, 1}},
        {"t3", {K::Text, 2}},
        {"t4", {K::Text, 3}},
        {"u1", {K::List, 0, rezeze::DefaultUnit}},
        {"u2", {K::List, 1, rezeze::DefaultUnit}},
        {"u3", {K::List, 2, rezeze::DefaultUnit}},
        {"u4", {K::List, 3, rezeze::DefaultUnit}},
        {"u5", {K::List, 4, rezeze::DefaultUnit}},
        {"units", {K::Option, rezeze::ShowUnits, 1}}},
       rezeze::ExerciseCount},
      {"dromika",
       &dromika::Core,
       dromika::FieldKeys,
       {{"kind", {K::Mode, 0}},
        {"s", {K::Text, dromika::Distance}},
        {"v1", {K::Text, dromika::Speed1}},
        {"v2", {K::Text, dromika::Speed2}},
        {"t1", {K::Text, dromika::Time1}},
        {"t2", {K::Text, dromika::Time2}},
        {"us", {K::List, dromika::DistanceUnit}},
        {"uv1", {K::List, dromika::Speed1Unit}},
        {"uv2", {K::List, dromika::Speed2Unit}},
        {"ut1", {K::List, dromika::Time1Unit}},
        {"ut2", {K::List, dromika::Time2Unit}},
        {"sys", {K::List, dromika::System}},
        {"units", {K::Option, dromika::ShowUnits, 1}}},
       dromika::KindCount},
      {"zazozarozovuz",
       &zazozarozovuz::Core,
       zazozarozovuz::FieldKeys,
       {{"option", {K::Mode, 0}},
        {"n", {K::Text, zazozarozovuz::FieldN}},
        {"k", {K::Text, zazozarozovuz::FieldK}}},
       zazozarozovuz::OptionCount},
      {"zeraz",
       &zeraz::Core,
       zeraz::FieldKeys,
       {{"T", {K::Text, zeraz::Heat}},
        {"m", {K::Text, zeraz::Mass}},
        {"c", {K::Text, zeraz::Capacity}},
        {"t0", {K::Text, zeraz::Start}},
        {"t1", {K::Text, zeraz::End}},
        {"uT", {K::List, zeraz::HeatUnit}},
        {"um", {K::List, zeraz::MassUnit, zeraz::DefaultMassUnit}},
        {"ut0", {K::List, zeraz::StartUnit}},
        {"ut1", {K::List, zeraz::EndUnit}},
        {"units", {K::Option, zeraz::ShowUnits, 1}}}},
      {"mernika",
       &mernika::Core,
       mernika::FieldKeys,
       {{"cat", {K::Mode, 0}},
        {"value", {K::Text, mernika::Value}},
        {"from", {K::List, mernika::From}},
        {"to", {K::List, mernika::To}}},
       mernika::CategoryCount},
  };
  return programs;
}

// A whole decimal number, or nothing when the text is not one.
std::optional<int> WholeNumber(const std::string& text) {
  std::size_t i = text.size() > 1 && text[0] == '-' ? 1 : 0;
  if (i == text.size() || text.size() > 9) return std::nullopt;
  for (std::size_t k = i; k < text.size(); ++k) {
    if (text[k] < '0' || text[k] > '9') return std::nullopt;
  }
  return ParseInteger(text);
}

// The form as the window would capture it, from the given inputs and the
// defaults of the others.
std::optional<FormInputs> Capture(const Program& program,
                                  const std::map<std::string, std::string>& values) {
  FormInputs form;
  for (const auto& [name, input] : program.inputs) {
    const auto given = values.find(name);
    if (input.kind == Input::Kind::Text) {
      if (form.texts.size() <= input.index) form.texts.resize(input.index + 1);
      if (given != values.end()) {
        form.texts[input.index] = FilterPastedText(given->second, program.keys[input.index]);
      }
      continue;
    }
    std::optional<int> value = input.fallback;
    if (given != values.end()) value = WholeNumber(given->second);
    if (!value) return std::nullopt;
    if (input.kind == Input::Kind::Mode) {
      if (*value < 0 || *value >= program.modes) return std::nullopt;
      form.mode = *value;
    } else if (input.kind == Input::Kind::List) {
      if (form.lists.size() <= input.index) form.lists.resize(input.index + 1, -1);
      form.lists[input.index] = *value;
    } else {
      if (form.options.size() <= input.index) form.options.resize(input.index + 1);
      form.options[input.index] = *value != 0;
    }
  }
  return form;
}

enum class Output { Steps, Layout, Text, Speech };

int Run(const Program& program, const std::map<std::string, std::string>& values,
        Output output) {
  const std::optional<FormInputs> form = Capture(program, values);
  if (!form) {
    std::fprintf(stderr, "prolexa-solve: the lists, options and exercise of %s take whole numbers in range\n",
                 program.name);
    return kUsage;
  }
  const CalculatorCore& core = *program.core;
  // The rounding edit filters a paste as every field does, and holds one
  // digit.
  const auto places = values.find("places");
  const std::string placesText =
      places == values.end() ? "2" : FilterPastedText(places->second, KeyField::Rounding);
  const int count = PlacesFromText(placesText.substr(0, 1));
  // Everything a window computes for one solution, and nothing else.
  const Solution solution = Solve(core, *form, count);
  if (solution.verdict.refusal) return PrintRefusal(*solution.verdict.refusal);
  if (output == Output::Text) {
    for (const std::string& line : SolutionText(solution.layouts)) PrintFields({"copy", line});
    return kAccepted;
  }
  if (output == Output::Speech) {
    for (const std::string& line : SpokenSolution(solution.layouts, core.language)) {
      PrintFields({"say", line});
    }
    return kAccepted;
  }
  return PrintSolution(solution, output == Output::Layout);
}

// An argument as the messages quote it: malformed UTF-8 replaced, so that
// what prolexa-solve writes is text whatever it was given.
std::string Quoted(const std::string& arg) {
  return "'" + CodePointsToUtf8(Utf8ToCodePoints(arg)) + "'";
}

int Usage(const std::string& problem) {
  std::string names;
  for (const Program& p : Programs()) names += std::string(names.empty() ? "" : ", ") + p.name;
  std::fprintf(stderr,
               "prolexa-solve: %s\nusage: prolexa-solve PROGRAM [--layout | --text | --speech] [NAME=VALUE ...]\n"
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
  if (program == nullptr) return Usage("unknown program " + Quoted(name));

  Output output = Output::Steps;
  std::map<std::string, std::string> values;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--layout" || arg == "--text" || arg == "--speech") {
      output = arg == "--layout" ? Output::Layout
               : arg == "--text" ? Output::Text
                                 : Output::Speech;
      continue;
    }
    const std::size_t eq = arg.find('=');
    const std::string key = arg.substr(0, eq);
    bool known = key == "places";
    for (const auto& input : program->inputs) known = known || input.first == key;
    if (eq == std::string::npos || !known) {
      return Usage("unknown input " + Quoted(arg) + " for " + name);
    }
    values[key] = arg.substr(eq + 1);
  }
  const int status = Run(*program, values, output);
  // What could not be written is no answer: a full disk or a closed pipe
  // must not pass for a solution printed.
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fputs("prolexa-solve: the output could not be written\n", stderr);
    return kWriteFailed;
  }
  return status;
}

}  // namespace
}  // namespace prolexa

int main(int argc, char** argv) { return prolexa::Main(argc, argv); }
