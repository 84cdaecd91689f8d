#include <gtest/gtest.h>

#include "ordinary_inputs.h"
#include "rezeze_solver.h"

namespace prolexa::rezeze {
namespace {

using testing::Between;
using testing::OrdinaryOrEmpty;

TEST(OrdinaryInputs, AreDrawnWholeInEveryExercise) {
  const auto outcome = testing::CheckOrdinaryInputs(
      Core,
      [](std::mt19937& r) {
        FormInputs form;
        form.mode = Between(r, 0, ExerciseCount - 1);
        for (int i = 0; i < RowCount - 1; ++i) form.texts.push_back(OrdinaryOrEmpty(r));
        for (int i = 0; i < RowCount; ++i) form.lists.push_back(Between(r, 0, 3));
        form.options = {Between(r, 0, 1) == 1};
        return form;
      },
      8000);
  EXPECT_GT(outcome.accepted, 1000);
}

}  // namespace
}  // namespace prolexa::rezeze
