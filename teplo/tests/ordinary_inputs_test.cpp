#include <gtest/gtest.h>

#include "heat.h"
#include "ordinary_inputs.h"

namespace prolexa::zeraz {
namespace {

using testing::Between;
using testing::OrdinaryNumber;

TEST(OrdinaryInputs, AreDrawnWholeInEveryUnit) {
  const auto outcome = testing::CheckOrdinaryInputs(
      Core,
      [](std::mt19937& r) {
        FormInputs form;
        for (int i = 0; i < 5; ++i) form.texts.push_back(OrdinaryNumber(r));
        form.texts[static_cast<std::size_t>(Between(r, 0, 4))].clear();
        form.lists = {Between(r, 0, 2), Between(r, 0, 2), Between(r, 0, 1), Between(r, 0, 1)};
        form.options = {Between(r, 0, 1) == 1};
        return form;
      },
      4000);
  EXPECT_GT(outcome.accepted, 2000);
}

}  // namespace
}  // namespace prolexa::zeraz
