// Dromika used as a pupil uses it: a solution of each kind, a warning, and
// the preferences it keeps.
#include <gtest/gtest.h>

#include <string>

#include "calculator_test.h"

namespace prolexa::e2e {
namespace {

constexpr RECT kSolution{11, 230, 760, 550};

class DromikaTest : public CalculatorTest {
 protected:
  DromikaTest() : CalculatorTest(L"Dromika", "Dromika") {}

  void Start() {
    CalculatorTest::Start();
    // The first field made; where the catch-up shows, the speeds stand there.
    distance = program->ControlOfClass(L"Edit");
    kind = program->Control(L"ComboBox", 10, 75);
    compute = program->Control(L"Button", 12, 195);
    for (HWND control : {distance, kind, compute}) ASSERT_NE(control, nullptr);
  }

  // The fields of the speeds and times stand where the kind puts them.
  HWND Field(int x, int y) const { return program->Control(L"Edit", x, y); }
  int Ink() const { return CalculatorTest::Ink(kSolution); }

  HWND distance = nullptr, kind = nullptr, compute = nullptr;
};

TEST_F(DromikaTest, MeetsCatchesUpAndWarns) {
  Start();
  EXPECT_EQ(program->FocusedControl(), distance);
  program->Type(distance, "100");
  program->Type(Field(74, 134), "6");
  program->Type(Field(316, 134), "4");
  EXPECT_FALSE(program->ClickForMessageBox(compute, 300).has_value());
  EXPECT_GT(Ink(), 400);

  // The catch-up: the distance goes, the speeds move up, the fields empty.
  program->PressKey(kind, VK_DOWN);
  EXPECT_FALSE(IsWindowVisible(distance));
  EXPECT_EQ(Ink(), 0);
  const HWND v1 = Field(74, 107), v2 = Field(316, 107), t1 = Field(74, 134);
  ASSERT_NE(v1, nullptr);
  ASSERT_NE(t1, nullptr);
  EXPECT_EQ(program->Text(v1), "");
  program->Type(v1, "4");
  program->Type(v2, "6");
  ASSERT_TRUE(Refuses(compute, "Tyto tělesa se nikdy nestřetnou.", "Upozornenie"));
  program->Type(t1, "10");
  EXPECT_FALSE(program->ClickForMessageBox(compute, 300).has_value());
  EXPECT_GT(Ink(), 400);
}

TEST_F(DromikaTest, StartsOnTheStoredKindAndWritesOnlyItsChoices) {
  Store("cmb6", 1);
  Store("cmb4", 2);
  Store("cmb1", 7);  // outside the list: m/s
  Start();
  EXPECT_FALSE(IsWindowVisible(distance));
  EXPECT_EQ(program->FocusedControl(), Field(74, 107));
  EXPECT_EQ(program->Text(program->Control(L"ComboBox", 178, 134)), "hod");
  EXPECT_EQ(program->Text(program->Control(L"ComboBox", 481, 161)), "m/s");
  ASSERT_TRUE(Ended());
  EXPECT_EQ(Stored("checked").value_or(99), 1u);
  EXPECT_EQ(Stored("round").value_or(99), 2u);
  EXPECT_EQ(Stored("cmb1").value_or(99), 7u) << "the lists are never written";
}

}  // namespace
}  // namespace prolexa::e2e
