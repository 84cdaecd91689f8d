// Zazozarozovuz used as a pupil uses it: a count with a raised exponent, a
// refusal, and the option the launcher stored.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "driver.h"

namespace prolexa::e2e {
namespace {

const std::string kKey = "Software\\Tolvek\\Prolexa\\Zazozarozovuz";
constexpr RECT kLine{11, 225, 515, 275};
// Where the exponent stands: raised above the line's text row.
constexpr RECT kExponent{11, 225, 200, 238};

class ZazozarozovuzTest : public ::testing::Test {
 protected:
  void SetUp() override { DeleteKey(kKey); }
  void TearDown() override { DeleteKey(kKey); }
  std::unique_ptr<Program> program;
};

TEST_F(ZazozarozovuzTest, CountsTheStoredOptionAndRefusesMissingValues) {
  WriteDword(kKey, "index", 1);
  program = std::make_unique<Program>(ProgramFolder() + L"\\Zazozarozovuz.exe",
                                      L"Tolvek-00-Zazozarozovuz");
  ASSERT_TRUE(program->Started());
  const HWND n = program->Control(L"Edit", 243, 79), k = program->Control(L"Edit", 243, 111);
  const HWND compute = program->Control(L"Button", 188, 143);
  const HWND repeated = program->Control(L"Button", 19, 118);
  for (HWND control : {n, k, compute, repeated}) ASSERT_NE(control, nullptr);
  EXPECT_EQ(SendMessageW(repeated, BM_GETCHECK, 0, 0), BST_CHECKED);

  program->Type(n, "5,x");
  EXPECT_EQ(program->Text(n), "5") << "digits only";
  program->Type(k, "3");
  EXPECT_FALSE(program->ClickForMessageBox(compute, 300).has_value());
  EXPECT_GT(program->CountPixels(kLine).dark, 100);
  EXPECT_GT(program->CountPixels(kExponent).dark, 5) << "5 raised to the 3";

  program->SetText(n, "");
  program->SetText(k, "");
  const auto box = program->ClickForMessageBox(compute);
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text, "Zadejte hodnotu n a hodnotu k.");
  EXPECT_EQ(program->CountPixels(kLine).dark, 0);

  DWORD exitCode = 1;
  ASSERT_TRUE(program->Close(&exitCode));
  EXPECT_EQ(ReadDword(kKey, "checked").value_or(99), 0u);
  EXPECT_EQ(ReadDword(kKey, "index").value_or(99), 1u) << "the option is the launcher's";
}

}  // namespace
}  // namespace prolexa::e2e
