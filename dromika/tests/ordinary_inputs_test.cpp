#include <gtest/gtest.h>

#include "dromika_solver.h"
#include "ordinary_inputs.h"

namespace prolexa::dromika {
namespace {

using testing::Between;
using testing::OrdinaryOrEmpty;

TEST(OrdinaryInputs, AreDrawnWholeInEveryKindAndSystem) {
  const auto outcome = testing::CheckOrdinaryInputs(
      Core,
      [](std::mt19937& r) {
        FormInputs form;
        form.mode = Between(r, 0, KindCount - 1);
        for (int i = 0; i < 5; ++i) form.texts.push_back(OrdinaryOrEmpty(r));
        form.lists = {Between(r, 0, 1), Between(r, 0, 1), Between(r, 0, 1), Between(r, 0, 2),
                      Between(r, 0, 2), Between(r, 0, 1), form.mode};
        form.options = {Between(r, 0, 1) == 1};
        return form;
      },
      8000);
  EXPECT_GT(outcome.accepted, 500);
}

}  // namespace
}  // namespace prolexa::dromika
