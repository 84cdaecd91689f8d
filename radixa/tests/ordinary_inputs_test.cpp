#include <gtest/gtest.h>

#include "ordinary_inputs.h"
#include "radixa_solver.h"

namespace prolexa::radixa {
namespace {

using testing::Between;
using testing::OrdinaryNumber;

// Coefficients of either sign, so that every kind of root comes up.
std::string Coefficient(std::mt19937& r) {
  return (Between(r, 0, 1) == 1 ? "-" : "") + OrdinaryNumber(r);
}

TEST(OrdinaryInputs, AreDrawnWholeInBothColumns) {
  const auto outcome = testing::CheckOrdinaryInputs(
      Core,
      [](std::mt19937& r) {
        return FormInputs{{Coefficient(r), Coefficient(r), Coefficient(r)}, {}, {}};
      },
      3000);
  EXPECT_GT(outcome.accepted, 1500);
}

}  // namespace
}  // namespace prolexa::radixa
