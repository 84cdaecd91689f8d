// A pupil without a mouse, from the launcher to a copied solution: the
// launcher's keys start Radixa, the coefficients are typed with Tab between
// them, Enter solves, Tab reaches the solution and Ctrl+C copies it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "driver.h"

namespace prolexa::e2e {
namespace {

TEST(KeyboardOnly, FromTheLauncherToACopiedSolution) {
  Program launcher(ProgramFolder() + L"\\Zeruraruri.exe", L"Tolvek-00-Zeruraruri");
  ASSERT_TRUE(launcher.Started());
  // The focus comes onto the first tile, Trigona; Radixa's is below it.
  launcher.PressKey(launcher.Main(), VK_TAB);
  launcher.PressKey(launcher.Main(), VK_DOWN);
  launcher.PressKey(launcher.Main(), VK_RETURN);
  const auto started = Program::WaitAnyTopWindow(L"Tolvek-00-Radixa");
  ASSERT_TRUE(started.has_value());
  Program radixa(*started);
  ASSERT_TRUE(radixa.Started());

  // x² + 5x + 6 = 0, typed where the focus is: it starts in a.
  for (const UINT key : {UINT{'1'}, UINT{VK_TAB}, UINT{'5'}, UINT{VK_TAB}, UINT{'6'}}) {
    radixa.PressKey(radixa.FocusedControl(), key);
  }
  radixa.PressKey(radixa.FocusedControl(), VK_RETURN);
  // From c past "OK" and "Vymazat" to the solution.
  for (int i = 0; i < 3; ++i) radixa.PressKey(radixa.FocusedControl(), VK_TAB);
  ASSERT_EQ(ClassOf(radixa.FocusedControl()), L"ProlexaSolution");

  if (OpenClipboard(nullptr)) {
    EmptyClipboard();
    CloseClipboard();
  }
  radixa.PressWith(VK_CONTROL, 'C');
  const ClipboardContent copied = ReadClipboard();
  // The whole solution, its results last: 13 lines.
  EXPECT_EQ(copied.text.rfind("D = b² - 4ac", 0), 0u) << copied.text;
  EXPECT_NE(copied.text.find("\r\nx1 = -2\r\n"), std::string::npos) << copied.text;
  EXPECT_NE(copied.text.find("\r\nx2 = -3"), std::string::npos) << copied.text;
  EXPECT_EQ(std::count(copied.text.begin(), copied.text.end(), '\n'), 12);
  EXPECT_GT(copied.width, 0);
}

}  // namespace
}  // namespace prolexa::e2e
