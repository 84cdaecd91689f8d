// Zazozarozovuz used as a pupil uses it: a count with a raised exponent, a
// refusal, and the option the launcher stored.
#include <gtest/gtest.h>

#include <string>

#include "calculator_test.h"

namespace prolexa::e2e {
namespace {

constexpr RECT kLine{11, 225, 515, 275};
// Where the exponent stands: raised above the line's text row.
constexpr RECT kExponent{11, 225, 200, 238};

class ZazozarozovuzTest : public CalculatorTest {
 protected:
  ZazozarozovuzTest() : CalculatorTest(L"Zazozarozovuz", "Zazozarozovuz") {}
};

TEST_F(ZazozarozovuzTest, CountsTheStoredOptionAndRefusesMissingValues) {
  Store("index", 1);
  Start();
  const HWND n = program->Control(L"Edit", 243, 79), k = program->Control(L"Edit", 243, 111);
  const HWND compute = program->Control(L"Button", 188, 143);
  const HWND repeated = program->Control(L"Button", 19, 118);
  for (HWND control : {n, k, compute, repeated}) ASSERT_NE(control, nullptr);
  EXPECT_EQ(SendMessageW(repeated, BM_GETCHECK, 0, 0), BST_CHECKED);

  program->Type(n, "5,x");
  EXPECT_EQ(program->Text(n), "5") << "digits only";
  program->Type(k, "3");
  EXPECT_FALSE(program->ClickForMessageBox(compute, 300).has_value());
  EXPECT_GT(Ink(kLine), 100);
  EXPECT_GT(Ink(kExponent), 5) << "5 raised to the 3";

  program->SetText(n, "");
  program->SetText(k, "");
  ASSERT_TRUE(Refuses(compute, "Zadejte hodnotu n a hodnotu k."));
  EXPECT_EQ(Ink(kLine), 0);

  ASSERT_TRUE(Ended());
  EXPECT_EQ(Stored("checked").value_or(99), 0u);
  EXPECT_EQ(Stored("index").value_or(99), 1u) << "the option is the launcher's";
}

}  // namespace
}  // namespace prolexa::e2e
