// Any text at any count of places: rounding must not crash, and a value in
// the solvers' range must come out as a text that fits the number buffer.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int places = static_cast<int>(data[0] % 26) - 2;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::string rounded = prolexa::RoundNumberText(text, places);
  const double value = prolexa::ParseNumber(text);
  if (std::isfinite(value) && value > -1e11 && value < 1e12 &&
      rounded.size() > prolexa::NumberTextCapacity) {
    std::abort();
  }
  return 0;
}
