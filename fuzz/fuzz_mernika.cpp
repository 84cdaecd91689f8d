// Lines of the input are the category, the value and the two unit
// positions. Whatever they are, the program refuses or writes one line with
// no infinity or not-a-number in it, inside the layout and the window.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "calculator.h"
#include "fuzz_input.h"
#include "conversion.h"
#include "number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> fields = prolexa::fuzz::Fields(data, size, 4);
  using namespace prolexa;
  const int category = ParseInteger(fields[0]);
  const FormInputs form{
      {fields[1], ""}, {category, ParseInteger(fields[2]), ParseInteger(fields[3])}, {}, category};
  const Verdict verdict = Compute(mernika::Core, form);
  if (!verdict.Accepted()) return 0;
  const DrawSteps steps = mernika::Draw(form, 0, 0);
  if (steps.Lines().size() != 1) std::abort();
  prolexa::fuzz::RequireWritten(steps, mernika::Core);
  return 0;
}
