// Lines of the input are the kind, the five texts, the seven list entries
// and the show-units box. Whatever they are, the program refuses, warns, or
// draws lines with no infinity or not-a-number in them, every one inside
// the layout's capacity and the window.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "calculator.h"
#include "dromika_solver.h"
#include "number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> fields(14);
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
  form.mode = ParseInteger(fields[0]) == 1 ? 1 : 0;
  form.texts.assign(fields.begin() + 1, fields.begin() + 6);
  for (std::size_t i = 6; i < 13; ++i) form.lists.push_back(ParseInteger(fields[i]));
  form.options = {fields[13] != "0"};
  const Verdict verdict = Compute(dromika::Core, form);
  if (!verdict.Accepted()) return 0;
  const DrawSteps steps = dromika::Draw(form, verdict.state, 6);
  if (steps.Lines().empty()) std::abort();
  for (const std::string& line : steps.Lines()) {
    if (line.find("nan") != std::string::npos || line.find("inf") != std::string::npos) {
      std::abort();
    }
  }
  if (!StepsFit(steps, dromika::Formulas, dromika::Core.solutionRight)) std::abort();
  return 0;
}
