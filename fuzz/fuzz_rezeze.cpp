// Lines of the input are the exercise, the texts of rows 1 to 4, the unit
// entries of rows 1 to 5, the show-units box and the rounding text. Whatever
// they are, the program either refuses or draws lines with no infinity or
// not-a-number in them, every one inside the layout's capacity and the
// window.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "calculator.h"
#include "number_text.h"
#include "rezeze_solver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> fields(12);
  std::size_t field = 0;
  for (std::size_t i = 0; i < size && field < fields.size(); ++i) {
    if (data[i] == '\n') {
      ++field;
    } else {
      fields[field] += static_cast<char>(data[i]);
    }
  }
  using namespace prolexa;
  FormInputs form;
  form.mode = ParseInteger(fields[0]);
  form.texts.assign(fields.begin() + 1, fields.begin() + 5);
  for (std::size_t i = 5; i < 10; ++i) form.lists.push_back(ParseInteger(fields[i]));
  form.options = {fields[10] != "0"};
  const Verdict verdict = Compute(rezeze::Core, form);
  if (!verdict.Accepted()) return 0;
  const DrawSteps steps = rezeze::Draw(form, verdict.state, PlacesFromText(fields[11]));
  if (steps.Lines().empty()) std::abort();
  for (const std::string& line : steps.Lines()) {
    if (line.find("nan") != std::string::npos || line.find("inf") != std::string::npos) {
      std::abort();
    }
  }
  if (!StepsFit(steps, rezeze::Formulas, rezeze::Core.solutionRight)) std::abort();
  return 0;
}
