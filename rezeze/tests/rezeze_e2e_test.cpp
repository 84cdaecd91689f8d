// Ruzezi used as a pupil uses it: an exercise solved and drawn, a refusal,
// the exercise switch with its sketch, and the preferences it keeps.
#include <gtest/gtest.h>

#include <string>

#include "calculator_test.h"

namespace prolexa::e2e {
namespace {

constexpr RECT kSolution{11, 235, 500, 440};
constexpr RECT kSketch{510, 80, 620, 165};

// The program file is named Redero.
class RezezeTest : public CalculatorTest {
 protected:
  RezezeTest() : CalculatorTest(L"Redero", "Rezeze") {}

  void Start() {
    CalculatorTest::Start();
    row1 = program->Control(L"Edit", 78, 77);
    row3 = program->Control(L"Edit", 78, 131);
    title = program->Control(L"Static", 525, 170);
    compute = program->Control(L"Button", 12, 190);
    next = program->Control(L"Button", 573, 190);
    for (HWND control : {row1, row3, title, compute, next}) ASSERT_NE(control, nullptr);
  }

  HWND row1 = nullptr, row3 = nullptr, title = nullptr, compute = nullptr, next = nullptr;
};

TEST_F(RezezeTest, SolvesTheStoredExerciseAndRefusesWhatIsMissing) {
  Store("index", 11);
  Store("cmb0", 0xFFFFFFFF);  // the launcher's empty list: metres
  Start();
  EXPECT_EQ(program->Text(title), "Objem kostky");
  EXPECT_EQ(program->Text(program->Control(L"ComboBox", 182, 77)), "m");
  EXPECT_EQ(program->Text(program->Control(L"ComboBox", 182, 104)), "m3");
  EXPECT_FALSE(IsWindowVisible(row3)) << "the cube uses two rows";
  EXPECT_GT(Ink(kSketch), 100);
  program->Type(row1, "2");
  EXPECT_FALSE(program->ClickForMessageBox(compute, 300).has_value());
  EXPECT_GT(Ink(kSolution), 200);

  program->SetText(row1, "");
  ASSERT_TRUE(Refuses(compute, "Musíte zadat stranu kostky a."));
  EXPECT_EQ(Ink(kSolution), 0);
}

TEST_F(RezezeTest, TheSwitchWrapsAndDrawsTheNewSketch) {
  Store("index", 21);
  Start();
  EXPECT_EQ(program->Text(title), "Objem koule");
  const unsigned long long sphere = program->PixelHash(kSketch);
  program->Type(row1, "3");
  program->Click(compute);
  ASSERT_GT(Ink(kSolution), 0);
  program->Click(next);
  EXPECT_EQ(program->Text(title), "Obvod čtverce");
  EXPECT_NE(program->PixelHash(kSketch), sphere);
  EXPECT_EQ(program->Text(row1), "") << "the fields are emptied";
  EXPECT_EQ(Ink(kSolution), 0) << "the old solution is gone";
  EXPECT_EQ(program->FocusedControl(), row1);
}

TEST_F(RezezeTest, AStoredExerciseOutOfRangeStartsAtTheFirstAndOnlyChoicesAreWritten) {
  Store("index", 30);
  Start();
  EXPECT_EQ(program->Text(title), "Obvod čtverce");
  const HWND spinner = Spinner();
  ASSERT_NE(spinner, nullptr);
  program->ClickSpinner(spinner, true);
  program->Click(next);
  ASSERT_TRUE(Ended());
  EXPECT_EQ(Stored("round").value_or(99), 3u);
  EXPECT_EQ(Stored("checked").value_or(99), 1u);
  EXPECT_EQ(Stored("index").value_or(99), 30u) << "the exercise is not stored";
  EXPECT_FALSE(Stored("cmb0").has_value());
}

}  // namespace
}  // namespace prolexa::e2e
