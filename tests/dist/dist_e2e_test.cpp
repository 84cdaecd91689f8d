// The suite as a package installs it: the launcher started from its
// installed folder finds the calculators beside it.
#include <gtest/gtest.h>

#include "driver.h"

namespace prolexa::e2e {
namespace {

TEST(InstalledSuite, TheLauncherStartsACalculatorFromItsFolder) {
  // From the drive's root, as a Start-menu shortcut might.
  Program launcher(ProgramFolder() + L"\\Zeruraruri.exe", L"Tolvek-00-Zeruraruri", L"C:\\");
  ASSERT_TRUE(launcher.Started());
  launcher.ClickAt(100, 160);
  const auto trigona = Program::WaitAnyTopWindow(L"Tolvek-00-Trigona");
  ASSERT_TRUE(trigona.has_value());
  PostMessageW(*trigona, WM_CLOSE, 0, 0);
  EXPECT_FALSE(launcher.WaitMessageBox(300).has_value());
}

}  // namespace
}  // namespace prolexa::e2e
