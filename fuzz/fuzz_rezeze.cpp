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
#include "fuzz_input.h"
#include "number_text.h"
#include "rezeze_solver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> fields = prolexa::fuzz::Fields(data, size, 12);
  using namespace prolexa;
  FormInputs form;
  form.mode = ParseInteger(fields[0]);
  form.texts.assign(fields.begin() + 1, fields.begin() + 5);
  for (std::size_t i = 5; i < 10; ++i) form.lists.push_back(ParseInteger(fields[i]));
  form.options = {fields[10] != "0"};
  const Verdict verdict = Compute(rezeze::Core, form);
  if (!verdict.Accepted()) return 0;
  prolexa::fuzz::RequireWritten(rezeze::Draw(form, verdict.state, PlacesFromText(fields[11])),
                                rezeze::Core);
  return 0;
}
