// Any text at any count of places: rounding must not crash, must keep at
// most `places` decimals, must never write a zero with a sign, and a value in
// the solvers' range written with six decimals must come out as a text that
// fits the number buffer.
#include <algorithm>
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
  const std::size_t point = rounded.find('.');
  if (point != std::string::npos &&
      rounded.size() - point - 1 > static_cast<std::size_t>(std::clamp(places, 0, 20))) {
    std::abort();
  }
  if (rounded[0] == '-' && rounded.find_first_not_of("-0.") == std::string::npos) std::abort();
  const double value = prolexa::ParseNumber(text);
  const std::string six = prolexa::RoundValue(value, places);
  if (std::isfinite(value) && value > -1e11 && value < 1e12 &&
      six.size() > prolexa::NumberTextCapacity) {
    std::abort();
  }
  return 0;
}
