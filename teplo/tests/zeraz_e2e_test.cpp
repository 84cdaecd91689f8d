// Zeraz used as a pupil uses it: the example it starts with, a refusal
// after clearing, and the preferences it keeps.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "driver.h"

namespace prolexa::e2e {
namespace {

const std::string kKey = "Software\\Tolvek\\Prolexa\\Zeraz";
constexpr RECT kSolution{11, 290, 570, 560};

class ZerazTest : public ::testing::Test {
 protected:
  void SetUp() override { DeleteKey(kKey); }
  void TearDown() override { DeleteKey(kKey); }
  std::unique_ptr<Program> program;
};

TEST_F(ZerazTest, FindsTheMassOfTheExampleAndAsksForFourValues) {
  WriteDword(kKey, "round", 9);
  program = std::make_unique<Program>(ProgramFolder() + L"\\Zeraz.exe", L"Tolvek-00-Zeraz");
  ASSERT_TRUE(program->Started());
  const HWND compute = program->Control(L"Button", 12, 262);
  const HWND clear = program->Control(L"Button", 93, 262);
  const HWND twoBodies = program->Control(L"Button", 300, 70);
  for (HWND control : {compute, clear, twoBodies}) ASSERT_NE(control, nullptr);
  EXPECT_FALSE(IsWindowEnabled(twoBodies));
  EXPECT_EQ(program->Text(program->Control(L"Edit", 88, 95)), "150");
  EXPECT_EQ(program->Text(program->Control(L"Edit", 323, 264)), "2") << "9 places: the default";

  EXPECT_FALSE(program->ClickForMessageBox(compute, 300).has_value());
  EXPECT_GT(program->CountPixels(kSolution).dark, 300);

  program->Click(clear);
  const auto box = program->ClickForMessageBox(compute);
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->caption, "Chyba");
  EXPECT_EQ(box->text, "Nezadali ste ani jeden údaj. Musíte zadať štyri údaje.");
  EXPECT_EQ(program->CountPixels(kSolution).dark, 0);

  DWORD exitCode = 1;
  ASSERT_TRUE(program->Close(&exitCode));
  EXPECT_EQ(ReadDword(kKey, "checked").value_or(99), 1u);
  EXPECT_EQ(ReadDword(kKey, "round").value_or(99), 2u);
  EXPECT_FALSE(ReadDword(kKey, "cmb1").has_value());
}

}  // namespace
}  // namespace prolexa::e2e
