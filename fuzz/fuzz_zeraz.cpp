// Lines of the input are the five texts, the four unit entries and the
// show-units box. Whatever they are, the program refuses or draws lines with
// no infinity or not-a-number in them, inside the layout and the window.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "calculator.h"
#include "fuzz_input.h"
#include "heat.h"
#include "number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> fields = prolexa::fuzz::Fields(data, size, 10);
  using namespace prolexa;
  FormInputs form;
  form.texts.assign(fields.begin(), fields.begin() + 5);
  for (std::size_t i = 5; i < 9; ++i) form.lists.push_back(ParseInteger(fields[i]));
  form.options = {fields[9] != "0"};
  const Verdict verdict = Compute(zeraz::Core, form);
  if (!verdict.Accepted()) return 0;
  prolexa::fuzz::RequireWritten(zeraz::Draw(form, verdict.state, MostPlaces), zeraz::Core);
  return 0;
}
