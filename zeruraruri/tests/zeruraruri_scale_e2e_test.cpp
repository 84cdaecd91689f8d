// The launcher on a screen of any DPI: its skinned window is the 96-DPI one
// scaled by the screen's DPI, and a tile answers a click at its scaled
// place. The same test runs on a 96-DPI screen, which holds the 96-DPI
// figures below true.
#include <gtest/gtest.h>

#include <memory>

#include "app_shell.h"
#include "driver.h"
#include "screen_reader.h"
#include "scaled_screen.h"

namespace prolexa::e2e {
namespace {

// At 96 DPI: the window's outer size, and the middle of Trigona's tile, the
// first slot of the first page.
constexpr SIZE kWindow{731, 540};
constexpr POINT kTrigonaTile{182, 164};
constexpr RECT kTrigonaSlot{27, 120, 337, 209};
// One pixel of rounding each way.
constexpr int kSizeSlack = 2;

class LauncherScaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(ScreenDpi(), RegisteredDpi()) << "the prefix's screen is not at its DPI";
    scale = DisplayScale{.dpi = ScreenDpi()};
    launcher = std::make_unique<Program>(ProgramFolder() + L"\\Zeruraruri.exe",
                                         L"Tolvek-00-Zeruraruri");
    ASSERT_TRUE(launcher->Started());
  }
  // A click at an unscaled place may have started another calculator.
  void TearDown() override {
    for (const wchar_t* calculator : {L"Tolvek-00-Trigona", L"Tolvek-00-Radixa"}) {
      CloseTopWindows(calculator);
    }
    launcher.reset();
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Tolvek\\Prolexa\\Zeruraruri", L"zoom");
  }

  // The window's outer size.
  SIZE Size() const {
    RECT place{};
    GetWindowRect(launcher->Main(), &place);
    return {place.right - place.left, place.bottom - place.top};
  }

  DisplayScale scale;
  std::unique_ptr<Program> launcher;
};

TEST_F(LauncherScaleTest, TheWindowIsItsSizeAtTheScreensScale) {
  RECT place{};
  GetWindowRect(launcher->Main(), &place);
  EXPECT_TRUE(Near(place.right - place.left, scale(kWindow.cx), kSizeSlack, "the width"));
  EXPECT_TRUE(Near(place.bottom - place.top, scale(kWindow.cy), kSizeSlack, "the height"));
}

// At 150 % the middle of Trigona's tile stands where the 96-DPI window has
// Radixa's, the slot below: a launcher that takes clicks at 96-DPI places
// starts the wrong calculator.
TEST_F(LauncherScaleTest, ATileStartsItsCalculatorFromItsScaledPlace) {
  launcher->ClickAt(scale(kTrigonaTile.x), scale(kTrigonaTile.y));
  EXPECT_TRUE(Program::WaitAnyTopWindow(L"Tolvek-00-Trigona").has_value());
  EXPECT_FALSE(Program::WaitAnyTopWindow(L"Tolvek-00-Radixa", 0).has_value());
  EXPECT_FALSE(launcher->WaitMessageBox(0).has_value());
}

// The keyboard's focus mark grows with the skin: on Radixa's tile after
// Tab and Down, its two rows above the tile stand at their scaled place in
// the skin's accent colour.
TEST_F(LauncherScaleTest, TheFocusMarkStandsAroundItsTileAtTheScreensScale) {
  launcher->PressKey(launcher->Main(), VK_TAB);
  launcher->PressKey(launcher->Main(), VK_DOWN);
  // The middle of the mark's rows above Radixa (213 and 214 at 96 DPI),
  // from the tile's left to its right edge.
  const int y = scale(427) / 2;
  const RECT row{scale(27), y, scale(337), y + 1};
  int accent = 0;
  for (COLORREF p : launcher->Pixels(row)) accent += p == 0x4B44A6;
  EXPECT_EQ(accent, row.right - row.left);
}

// A screen reader shows a tile where it stands on the screen, as large as
// it is drawn.
TEST_F(LauncherScaleTest, AScreenReaderFindsATileAtItsScaledPlace) {
  long x = 0, y = 0, w = 0, h = 0;
  HRESULT located = E_NOINTERFACE;
  {
    const ScreenReader reader(launcher->Main());
    // The first child, Trigona's tile.
    if (reader.object != nullptr) {
      located = reader.object->accLocation(&x, &y, &w, &h, ScreenReader::Child(1));
    }
  }
  ASSERT_EQ(located, S_OK);
  RECT tile = scale(kTrigonaSlot);
  MapWindowPoints(launcher->Main(), nullptr, reinterpret_cast<POINT*>(&tile), 2);
  EXPECT_TRUE(Near(x, tile.left, 1, "the left"));
  EXPECT_TRUE(Near(y, tile.top, 1, "the top"));
  EXPECT_TRUE(Near(w, tile.right - tile.left, 1, "the width"));
  EXPECT_TRUE(Near(h, tile.bottom - tile.top, 1, "the height"));
}

// The pupil's zoom keys (Ctrl with Plus, Minus, 0; the message loop turns
// them into this message, as the kit's tests show) make the whole skin a
// step larger, and the launcher starts at that zoom next time.
TEST_F(LauncherScaleTest, ItsZoomGrowsTheWindowAndIsKeptForTheNextStart) {
  const auto zoom = [this](ZoomKey key) {
    SendMessageW(launcher->Main(), ZoomMessage, static_cast<WPARAM>(key), 0);
  };
  zoom(ZoomKey::Larger);
  zoom(ZoomKey::Larger);
  const DisplayScale larger{scale.dpi * 3 / 2};
  EXPECT_TRUE(Near(Size().cx, larger(kWindow.cx), kSizeSlack, "the width at 150 %"));
  EXPECT_TRUE(Near(Size().cy, larger(kWindow.cy), kSizeSlack, "the height at 150 %"));
  ASSERT_TRUE(launcher->Close());
  launcher = std::make_unique<Program>(ProgramFolder() + L"\\Zeruraruri.exe",
                                       L"Tolvek-00-Zeruraruri");
  ASSERT_TRUE(launcher->Started());
  EXPECT_TRUE(Near(Size().cx, larger(kWindow.cx), kSizeSlack, "the width at the next start"));
  zoom(ZoomKey::Reset);
  EXPECT_TRUE(Near(Size().cx, scale(kWindow.cx), kSizeSlack, "the width back at 100 %"));
}

}  // namespace
}  // namespace prolexa::e2e
