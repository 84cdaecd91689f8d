// Lines of the input are the side texts a, b, c, the unit indexes, the
// show-units flag and the rounding text. Every accepted input must give six
// lines that fit the layout's capacity.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "formula.h"
#include "number_text.h"
#include "trigona_solver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> fields(8);
  std::size_t field = 0;
  for (std::size_t i = 0; i < size && field < fields.size(); ++i) {
    if (data[i] == '\n') {
      ++field;
    } else if (field < fields.size()) {
      fields[field] += static_cast<char>(data[i]);
    }
  }
  using namespace prolexa;
  const trigona::SideTexts sides{fields[0], fields[1], fields[2]};
  const trigona::SideUnits units{ParseInteger(fields[3]), ParseInteger(fields[4]),
                                 ParseInteger(fields[5])};
  const trigona::CheckResult check = trigona::SolveRightTriangle(sides, units);
  if (check.refusal.has_value() != (check.state == trigona::NoSolution)) std::abort();
  if (check.refusal) return 0;

  const DrawSteps steps = trigona::DrawRightTriangleSolution(
      check.state, sides, units, fields[6] != "0", PlacesFromText(fields[7]));
  const std::vector<std::string> lines = steps.Lines();
  if (lines.size() != 6) std::abort();
  for (const std::string& line : lines) {
    if (line.find("nan") != std::string::npos || line.find("inf") != std::string::npos) {
      std::abort();
    }
  }
  // Whatever the check accepts fits the window: the program never needs to
  // refuse a triangle for the width of its lines.
  const FormInputs form{{sides.a, sides.b, sides.c},
                        {units.a, units.b, units.c},
                        {fields[6] != "0"}};
  if (!Compute(trigona::Core, form).Accepted()) std::abort();
  return 0;
}
