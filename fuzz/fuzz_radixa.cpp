// Lines of the input are the coefficient texts a, b, c and the rounding text.
// An input the check refuses must draw nothing and be refused by the
// program; an accepted one must give the lines of one of the three cases,
// none of them holding an infinity or not-a-number, every one inside the
// layout's capacity and the window, with the case the discriminant line
// shows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "calculator.h"
#include "formula.h"
#include "number_text.h"
#include "radixa_solver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> fields(4);
  std::size_t field = 0;
  for (std::size_t i = 0; i < size && field < fields.size(); ++i) {
    if (data[i] == '\n') {
      ++field;
    } else {
      fields[field] += static_cast<char>(data[i]);
    }
  }
  using namespace prolexa;
  const radixa::CoefficientTexts texts{fields[0], fields[1], fields[2]};
  const radixa::CheckResult check = radixa::CheckCoefficients(texts);
  if (check.refusal.has_value() == check.valid) std::abort();
  const DrawSteps steps = radixa::DrawQuadraticSolution(texts, PlacesFromText(fields[3]));
  const Verdict verdict = Compute(radixa::Core, FormInputs{{texts.a, texts.b, texts.c}, {}, {}});
  if (!check.valid) {
    if (!steps.Steps().empty() || verdict.Accepted()) std::abort();
    return 0;
  }
  if (!verdict.Accepted()) return 0;
  if (!StepsFit(steps, radixa::Formulas, radixa::Core.solutionRight)) std::abort();

  const std::vector<std::string> lines = steps.Lines();
  for (const std::string& line : lines) {
    if (line.find("nan") != std::string::npos || line.find("inf") != std::string::npos) {
      std::abort();
    }
  }
  // Two real roots, one double root, or two complex roots and the sentence.
  if (lines.size() != 13 && lines.size() != 8 && lines.size() != 14) std::abort();
  const std::string_view shown = std::string_view(lines[3]).substr(4);
  const double d = ParseNumber(shown);
  const std::size_t expected = d > 0 ? 13 : d == 0 ? 8 : 14;
  if (lines.size() != expected) std::abort();
  return 0;
}
