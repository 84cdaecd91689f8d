// The launcher used as a pupil or teacher uses it: its window, a tile that
// starts a calculator, the second page, a start that fails, and the settings
// kept for the calculators.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "driver.h"

namespace prolexa::e2e {
namespace {

const std::string kTrigona = "Software\\Tolvek\\Prolexa\\Trigona";
const std::string kDromika = "Software\\Tolvek\\Prolexa\\Dromika";
const std::string kRezeze = "Software\\Tolvek\\Prolexa\\Rezeze";
const std::string kCombinations = "Software\\Tolvek\\Prolexa\\Zazozarozovuz";
const std::string kLauncher = "Software\\Tolvek\\Prolexa\\Zeruraruri";
constexpr RECT kFourthSlot{27, 408, 337, 497};

class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const std::string* key : {&kTrigona, &kDromika, &kRezeze, &kCombinations, &kLauncher}) {
      DeleteKey(*key);
    }
  }
  void TearDown() override { SetUp(); }

  // From the drive's root, not the program folder: the calculators must
  // still be found beside the launcher.
  void Start() {
    launcher = std::make_unique<Program>(ProgramFolder() + L"\\Zeruraruri.exe",
                                         L"Tolvek-00-Zeruraruri", L"C:\\");
    ASSERT_TRUE(launcher->Started());
  }

  HWND OpenSettings() {
    launcher->ClickAt(700, 150);
    const auto dialog = launcher->WaitTopWindow(L"#32770");
    return dialog ? *dialog : nullptr;
  }

  std::unique_ptr<Program> launcher;
};

TEST_F(LauncherTest, IsTheSkinnedWindowOfItsSize) {
  Start();
  EXPECT_EQ(launcher->Text(launcher->Main()), "Prolexa");
  RECT place{};
  GetWindowRect(launcher->Main(), &place);
  EXPECT_EQ(place.right - place.left, 731);
  EXPECT_EQ(place.bottom - place.top, 540);
  const HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(launcher->Main(), region), COMPLEXREGION) << "rounded corners";
  DeleteObject(region);
}

TEST_F(LauncherTest, ATileStartsItsCalculator) {
  Start();
  launcher->ClickAt(100, 160);
  const auto trigona = Program::WaitAnyTopWindow(L"Tolvek-00-Trigona");
  ASSERT_TRUE(trigona.has_value());
  PostMessageW(*trigona, WM_CLOSE, 0, 0);
  launcher->ClickAt(100, 450);  // Redero is the program Rezeze
  const auto rezeze = Program::WaitAnyTopWindow(L"Tolvek-00-Rezeze");
  ASSERT_TRUE(rezeze.has_value());
  PostMessageW(*rezeze, WM_CLOSE, 0, 0);
  launcher->ClickAt(100, 350);
  const auto counts = Program::WaitAnyTopWindow(L"Tolvek-00-Zazozarozovuz");
  ASSERT_TRUE(counts.has_value());
  PostMessageW(*counts, WM_CLOSE, 0, 0);
  launcher->ClickAt(400, 150);
  const auto dromika = Program::WaitAnyTopWindow(L"Tolvek-00-Dromika");
  ASSERT_TRUE(dromika.has_value());
  PostMessageW(*dromika, WM_CLOSE, 0, 0);
  EXPECT_FALSE(launcher->WaitMessageBox(300).has_value());
}

TEST_F(LauncherTest, TheSecondPageHasThreeTilesAndSaysWhatCannotStart) {
  Start();
  const unsigned long long firstPage = launcher->PixelHash(kFourthSlot);
  launcher->RightDrag(400, 300, 300);
  EXPECT_NE(launcher->PixelHash(kFourthSlot), firstPage) << "no tile in the fourth slot";
  launcher->ClickAt(100, 450);
  EXPECT_FALSE(launcher->WaitMessageBox(300).has_value()) << "a disabled slot does nothing";

  launcher->ClickAt(100, 160);  // Zoverudir lies outside the suite
  const auto box = launcher->WaitMessageBox();
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->caption, "Chyba");
  EXPECT_EQ(box->text, "Program Zoverudir sa nepodarilo spustiť.");
  launcher->CloseMessageBox(*box);

  for (const auto& [y, windowClass] :
       {std::pair{250, L"Tolvek-00-Zeraz"}, std::pair{350, L"Tolvek-00-Mernika"}}) {
    launcher->ClickAt(100, y);
    const auto started = Program::WaitAnyTopWindow(windowClass);
    ASSERT_TRUE(started.has_value()) << y;
    PostMessageW(*started, WM_CLOSE, 0, 0);
    for (int i = 0; i < 150 && IsWindow(*started); ++i) Sleep(20);
  }
  launcher->Invalidate();  // where the calculators stood over it

  launcher->RightDrag(300, 400, 300);
  EXPECT_EQ(launcher->PixelHash(kFourthSlot), firstPage) << "back to the first page";
}

TEST_F(LauncherTest, SettingsKeepWhatIsStoredAndOnlyOkSaves) {
  WriteDword(kTrigona, "cmb1", 1);
  WriteDword(kDromika, "cmb5", 2);
  WriteDword(kRezeze, "index", 30);
  WriteDword(kCombinations, "index", 2);
  WriteDword(kLauncher, "update", 1);
  Start();
  HWND dialog = OpenSettings();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(launcher->Text(dialog), "Nastavenia");
  EXPECT_EQ(launcher->Text(GetDlgItem(dialog, 1005)), "cm");
  EXPECT_EQ(launcher->Text(GetDlgItem(dialog, 1003)), "m") << "nothing stored: metres";
  EXPECT_EQ(launcher->Text(GetDlgItem(dialog, 1035)), "hod");
  EXPECT_EQ(SendMessageW(GetDlgItem(dialog, 1011), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(launcher->Text(GetDlgItem(dialog, 1016)), "Obvod štvorca") << "30 is no shape";
  launcher->Click(GetDlgItem(dialog, 1013));
  EXPECT_EQ(launcher->Text(GetDlgItem(dialog, 1016)), "Objem guly");
  launcher->Click(GetDlgItem(dialog, 1051));
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(ReadDword(kTrigona, "cmb1"), 1u);
  EXPECT_EQ(ReadDword(kTrigona, "cmb0"), 3u);
  EXPECT_EQ(ReadDword(kDromika, "cmb5"), 2u) << "a stored hour survives";
  EXPECT_EQ(ReadDword(kDromika, "cmb1"), 0u);
  EXPECT_EQ(ReadDword(kRezeze, "index"), 21u);
  EXPECT_EQ(ReadDword(kCombinations, "index"), 2u);
  EXPECT_EQ(ReadDword(kLauncher, "update"), 0u);

  dialog = OpenSettings();
  ASSERT_NE(dialog, nullptr);
  SendMessageW(GetDlgItem(dialog, 1003), CB_SETCURSEL, 0, 0);
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);  // what Enter sends
  launcher->Settle();
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(ReadDword(kTrigona, "cmb0"), 3u) << "Enter closes without saving";
}

}  // namespace
}  // namespace prolexa::e2e
