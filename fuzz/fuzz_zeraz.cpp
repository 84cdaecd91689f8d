// Lines of the input are the five texts, the four unit entries and the
// show-units box. Whatever they are, the program refuses or draws lines with
// no infinity or not-a-number in them, inside the layout and the window.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "calculator.h"
#include "heat.h"
#include "number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> fields(10);
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
  form.texts.assign(fields.begin(), fields.begin() + 5);
  for (std::size_t i = 5; i < 9; ++i) form.lists.push_back(ParseInteger(fields[i]));
  form.options = {fields[9] != "0"};
  const Verdict verdict = Compute(zeraz::Core, form);
  if (!verdict.Accepted()) return 0;
  const DrawSteps steps = zeraz::Draw(form, verdict.state, 6);
  if (steps.Lines().empty()) std::abort();
  for (const std::string& line : steps.Lines()) {
    if (line.find("nan") != std::string::npos || line.find("inf") != std::string::npos) {
      std::abort();
    }
  }
  if (!StepsFit(steps, zeraz::Formulas, zeraz::Core.solutionRight)) std::abort();
  return 0;
}
