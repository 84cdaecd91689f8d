// Mernika used as a pupil uses it: a conversion drawn, a category change
// that refills the lists and clears the line, a conversion in the new
// category, and a message.
#include <gtest/gtest.h>

#include <string>

#include "calculator_test.h"

namespace prolexa::e2e {
namespace {

constexpr RECT kLine{11, 190, 500, 225};

class MernikaTest : public CalculatorTest {
 protected:
  MernikaTest() : CalculatorTest(L"Mernika", "Mernika") {}
};

TEST_F(MernikaTest, ConvertsRefillsAndRefuses) {
  Store("index", 40);  // no such category: the lengths
  Start();
  const HWND value = program->Control(L"Edit", 80, 100);
  const HWND category = program->Control(L"ComboBox", 214, 70);
  const HWND from = program->Control(L"ComboBox", 214, 100);
  const HWND to = program->Control(L"ComboBox", 214, 130);
  const HWND compute = program->Control(L"Button", 160, 160);
  for (HWND control : {value, category, from, to, compute}) ASSERT_NE(control, nullptr);
  EXPECT_EQ(program->Text(category), "Dĺžkové jednotky");
  // Each label stands clear of the lists and fields, which it would cover.
  for (HWND label : program->Controls()) {
    wchar_t kind[16] = {};
    GetClassNameW(label, kind, 16);
    if (_wcsicmp(kind, L"Static") != 0 || !IsWindowVisible(label)) continue;
    for (HWND other : {value, category, from, to}) {
      RECT a{}, b{}, overlap{};
      GetWindowRect(label, &a);
      GetWindowRect(other, &b);
      EXPECT_FALSE(IntersectRect(&overlap, &a, &b)) << program->Text(label);
    }
  }
  EXPECT_EQ(program->Text(from), "Nanometer nm");

  program->Type(value, "1");
  program->PressKey(to, VK_END);  // to kilometres
  EXPECT_EQ(program->Text(to), "Kilometer km");
  EXPECT_FALSE(program->ClickForMessageBox(compute, 300).has_value());
  EXPECT_GT(Ink(kLine), 150);

  program->PressKey(category, VK_DOWN);  // the areas
  EXPECT_EQ(program->Text(from), "Nanometer štvorcový nm2");
  EXPECT_EQ(Ink(kLine), 0) << "the old result went with the switch";
  program->PressKey(to, VK_END);  // to hectares: 1nm2 = 1.000000e-022ha
  EXPECT_EQ(program->Text(to), "Hektár ha");
  EXPECT_FALSE(program->ClickForMessageBox(compute, 300).has_value());
  EXPECT_GT(Ink(kLine), 150);

  program->SetText(value, "");
  ASSERT_TRUE(Refuses(compute, "Nezadali ste žiadnu hodnotu."));
}

}  // namespace
}  // namespace prolexa::e2e
