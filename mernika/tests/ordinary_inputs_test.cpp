#include <gtest/gtest.h>

#include "conversion.h"
#include "ordinary_inputs.h"

namespace prolexa::mernika {
namespace {

using testing::Between;
using testing::OrdinaryNumber;

TEST(OrdinaryInputs, AreDrawnWholeInEveryCategory) {
  const auto outcome = testing::CheckOrdinaryInputs(
      Core,
      [](std::mt19937& r) {
        FormInputs form;
        form.mode = Between(r, 0, CategoryCount - 1);
        const int units = static_cast<int>(CategoryAt(form.mode).units.size());
        form.texts = {OrdinaryNumber(r), ""};
        form.lists = {form.mode, Between(r, 0, units - 1), Between(r, 0, units - 1)};
        return form;
      },
      4000);
  EXPECT_GT(outcome.accepted, 3000);
}

}  // namespace
}  // namespace prolexa::mernika
