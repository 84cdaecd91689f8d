// What the solver fuzz targets share: the input cut into a calculator's
// fields at its line breaks, and the promise every drawn solution keeps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "calculator.h"

namespace prolexa::fuzz {

// `count` texts, one per line of the input; missing lines are empty.
inline std::vector<std::string> Fields(const std::uint8_t* data, std::size_t size,
                                       std::size_t count) {
  std::vector<std::string> fields(count);
  std::size_t field = 0;
  for (std::size_t i = 0; i < size && field < count; ++i) {
    if (data[i] == '\n') {
      ++field;
    } else {
      fields[field] += static_cast<char>(data[i]);
    }
  }
  return fields;
}

// A drawn solution has lines, none of them with an infinity or a
// not-a-number, all inside the layout and the window.
inline void RequireWritten(const DrawSteps& steps, const CalculatorCore& core) {
  const std::vector<std::string> lines = steps.Lines();
  if (lines.empty()) std::abort();
  for (const std::string& line : lines) {
    if (line.find("nan") != std::string::npos || line.find("inf") != std::string::npos) {
      std::abort();
    }
  }
  if (!StepsFit(steps, core.profile, core.solutionRight)) std::abort();
}

}  // namespace prolexa::fuzz
