// Lines of the input are the category, the value and the two unit
// positions. Whatever they are, the program refuses or writes one line with
// no infinity or not-a-number in it, inside the layout and the window.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "calculator.h"
#include "conversion.h"
#include "number_text.h"

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
  const int category = ParseInteger(fields[0]);
  const FormInputs form{
      {fields[1], ""}, {category, ParseInteger(fields[2]), ParseInteger(fields[3])}, {}, category};
  const Verdict verdict = Compute(mernika::Core, form);
  if (!verdict.Accepted()) return 0;
  const std::vector<std::string> lines = mernika::Draw(form, 0, 0).Lines();
  if (lines.size() != 1) std::abort();
  if (lines[0].find("nan") != std::string::npos || lines[0].find("inf") != std::string::npos) {
    std::abort();
  }
  return 0;
}
