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
#include "fuzz_input.h"
#include "dromika_solver.h"
#include "number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> fields = prolexa::fuzz::Fields(data, size, 14);
  using namespace prolexa;
  FormInputs form;
  form.mode = ParseInteger(fields[0]) == 1 ? 1 : 0;
  form.texts.assign(fields.begin() + 1, fields.begin() + 6);
  for (std::size_t i = 6; i < 13; ++i) form.lists.push_back(ParseInteger(fields[i]));
  form.options = {fields[13] != "0"};
  const Verdict verdict = Compute(dromika::Core, form);
  if (!verdict.Accepted()) return 0;
  prolexa::fuzz::RequireWritten(dromika::Draw(form, verdict.state, MostPlaces), dromika::Core);
  return 0;
}
