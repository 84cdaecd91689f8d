// The drawing steps of a solution as text, as the programs' solver tests
// compare them with their tables.
#pragma once

#include <string>
#include <vector>

#include "solution.h"

namespace prolexa::test {

// The lines, each superscript as "^k" before the line it is raised over;
// origins and sketches left out.
inline std::vector<std::string> Written(const DrawSteps& steps) {
  std::vector<std::string> out;
  for (const DrawStep& step : steps.Steps()) {
    if (step.kind == DrawStep::Kind::Superscript) out.push_back("^" + step.text);
    if (step.kind == DrawStep::Kind::Line) out.push_back(step.text);
  }
  return out;
}

// Every step, an origin as "@X,Y" and the others by their text.
inline std::vector<std::string> WrittenWithOrigins(const DrawSteps& steps) {
  std::vector<std::string> out;
  for (const DrawStep& step : steps.Steps()) {
    out.push_back(step.kind == DrawStep::Kind::Origin
                      ? "@" + std::to_string(step.x) + "," + std::to_string(step.y)
                      : step.text);
  }
  return out;
}

}  // namespace prolexa::test
