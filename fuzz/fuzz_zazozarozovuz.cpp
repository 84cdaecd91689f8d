// Lines of the input are the option, n and k. Whatever they are, a count is
// refused or written whole as the exact integer, and its line fits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "calculator.h"
#include "fuzz_input.h"
#include "counting.h"
#include "number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> fields = prolexa::fuzz::Fields(data, size, 3);
  using namespace prolexa;
  const FormInputs form{{fields[1], fields[2]}, {}, {}, ParseInteger(fields[0]) & 3};
  const Verdict verdict = Compute(zazozarozovuz::Core, form);
  if (!verdict.Accepted()) return 0;
  const DrawSteps steps = zazozarozovuz::Draw(form, verdict.state, 0);
  const std::vector<std::string> lines = steps.Lines();
  if (lines.size() != 1) std::abort();
  // The count ends the line, all digits (a sign where n was negative).
  const std::string& line = lines[0];
  std::size_t count = line.rfind(' ');
  if (count == std::string::npos || count + 1 == line.size()) std::abort();
  if (line[count + 1] == '-') ++count;
  for (std::size_t i = count + 1; i < line.size(); ++i) {
    if (line[i] < '0' || line[i] > '9') std::abort();
  }
  if (!StepsFit(steps, zazozarozovuz::Formulas, zazozarozovuz::Core.solutionRight)) std::abort();
  return 0;
}
