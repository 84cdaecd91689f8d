#include <gtest/gtest.h>

#include "counting.h"
#include "ordinary_inputs.h"

namespace prolexa::zazozarozovuz {
namespace {

using testing::Between;

TEST(OrdinaryInputs, AreDrawnWholeInEveryOption) {
  const auto outcome = testing::CheckOrdinaryInputs(
      Core,
      [](std::mt19937& r) {
        FormInputs form;
        form.mode = Between(r, 0, OptionCount - 1);
        form.texts = {std::to_string(Between(r, 0, 999)), std::to_string(Between(r, 0, 99))};
        return form;
      },
      4000);
  EXPECT_GT(outcome.accepted, 200);
}

}  // namespace
}  // namespace prolexa::zazozarozovuz
