#include <gtest/gtest.h>

#include "ordinary_inputs.h"
#include "trigona_solver.h"

namespace prolexa::trigona {
namespace {

using testing::Between;
using testing::OrdinaryOrEmpty;

TEST(OrdinaryInputs, AreDrawnWholeInEveryUnit) {
  const auto outcome = testing::CheckOrdinaryInputs(
      Core,
      [](std::mt19937& r) {
        return FormInputs{{OrdinaryOrEmpty(r), OrdinaryOrEmpty(r), OrdinaryOrEmpty(r)},
                          {Between(r, 0, 3), Between(r, 0, 3), Between(r, 0, 3)},
                          {Between(r, 0, 1) == 1}};
      },
      4000);
  EXPECT_GT(outcome.accepted, 400);
}

}  // namespace
}  // namespace prolexa::trigona
