// Zeraz used as a pupil uses it: the example it starts with, a refusal
// after clearing, and the preferences it keeps.
#include <gtest/gtest.h>

#include <string>

#include "calculator_test.h"

namespace prolexa::e2e {
namespace {

constexpr RECT kSolution{11, 290, 570, 560};

class ZerazTest : public CalculatorTest {
 protected:
  ZerazTest() : CalculatorTest(L"Zeraz", "Zeraz") {}
};

TEST_F(ZerazTest, FindsTheMassOfTheExampleAndAsksForFourValues) {
  Store("round", 9);
  Start();
  const HWND compute = program->Control(L"Button", 12, 262);
  const HWND clear = program->Control(L"Button", 93, 262);
  const HWND twoBodies = program->Control(L"Button", 300, 70);
  for (HWND control : {compute, clear, twoBodies}) ASSERT_NE(control, nullptr);
  EXPECT_FALSE(IsWindowEnabled(twoBodies));
  EXPECT_EQ(program->Text(program->Control(L"Edit", 92, 95)), "150");
  EXPECT_EQ(program->Text(program->Control(L"Edit", 323, 264)), "2") << "9 places: the default";

  EXPECT_FALSE(program->ClickForMessageBox(compute, 300).has_value());
  EXPECT_GT(Ink(kSolution), 300);

  program->Click(clear);
  ASSERT_TRUE(Refuses(compute, "Nezadali ste ani jeden údaj. Musíte zadať štyri údaje."));
  EXPECT_EQ(Ink(kSolution), 0);

  ASSERT_TRUE(Ended());
  EXPECT_EQ(Stored("checked").value_or(99), 1u);
  EXPECT_EQ(Stored("round").value_or(99), 2u);
  EXPECT_FALSE(Stored("cmb1").has_value());
}

}  // namespace
}  // namespace prolexa::e2e
