// The launcher in the colours of the system's high-contrast mode. Wine cannot
// turn that mode on, so the test makes the launcher's window in its own
// process and gives it the colours the mode would.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <vector>

#include "launcher_window.h"
#include "palette.h"
#include "scoped.h"

namespace prolexa::zeruraruri {
namespace {

// Colours no picture of the skin uses, so that a picture left in shows; each
// reads the same as a COLORREF and as a pixel (0xRRGGBB).
constexpr COLORREF kInk = RGB(255, 0, 255);
constexpr COLORREF kGround = RGB(0, 64, 0);
constexpr Palette kChosen{
    .system = true, .text = kInk, .window = kGround, .face = kGround, .faceText = kInk};

// The top left w x h pixels of a window's client area as it has them
// painted, row by row, each 0xRRGGBB.
std::vector<COLORREF> Painted(HWND window, int w, int h) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  const WindowDC source(window);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;  // from the top row down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const GdiBitmap dib(CreateDIBSection(source.Dc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const MemoryDC memory(source.Dc());
  const ScopedSelectObject select(memory.Dc(), dib.Get());
  BitBlt(memory.Dc(), 0, 0, w, h, source.Dc(), 0, 0, SRCCOPY);
  GdiFlush();
  std::vector<COLORREF> pixels(static_cast<const DWORD*>(bits),
                               static_cast<const DWORD*>(bits) + w * h);
  for (COLORREF& p : pixels) p &= 0xFFFFFF;
  return pixels;
}

class LauncherWindowTest : public ::testing::Test {
 protected:
  // A zoom another test left would move every place below.
  void SetUp() override { TearDown(); }
  void TearDown() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tolvek\\Prolexa\\Zeruraruri");
  }
};

// The part of the client area that is seen: the window's region cuts it to
// the skin's rounded shape.
GdiRegion SeenPart(HWND window) {
  GdiRegion region(CreateRectRgn(0, 0, 0, 0));
  GetWindowRgn(window, region.Get());
  RECT frame{};
  GetWindowRect(window, &frame);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  OffsetRgn(region.Get(), frame.left - origin.x, frame.top - origin.y);
  return region;
}

// What the pupil does (a mouse move to a point, or a key), and a pixel that
// must then show ink and one that must show the ground.
const struct {
  const char* what;
  UINT message;
  WPARAM key;
  POINT mouse, ink, ground;
} kCases[] = {
    {"as it opens: Trigona's frame one pixel", 0, 0, {}, {27, 160}, {28, 160}},
    {"the mouse on Trigona: its frame thicker", WM_MOUSEMOVE, 0, {100, 160}, {29, 160},
     {30, 160}},
    {"the mouse on the settings tab", WM_MOUSEMOVE, 0, {707, 170}, {696, 170}, {697, 170}},
    {"the mouse on the close button", WM_MOUSEMOVE, 0, {690, 10}, {682, 10}, {683, 10}},
    // A gap, then the ring of the focus, outside the tile's own frame.
    {"Tab: the focus on Trigona", WM_KEYDOWN, VK_TAB, {}, {25, 160}, {26, 160}},
    // The fourth slot is empty on the second page.
    {"Page Down: the second page", WM_KEYDOWN, VK_NEXT, {}, {25, 160}, {27, 450}},
};

TEST_F(LauncherWindowTest, HighContrastDrawsFramedWordsOnlyInThePupilsColours) {
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    LauncherWindow launcher(GetModuleHandleW(nullptr));
    const HWND main = launcher.Open();
    ASSERT_NE(main, nullptr);
    launcher.SetPalette(kChosen);
    const LPARAM at = c.message == WM_MOUSEMOVE ? MAKELPARAM(c.mouse.x, c.mouse.y) : 1;
    if (c.message != 0) SendMessageW(main, c.message, c.key, at);
    const GdiRegion seen = SeenPart(main);
    RECT skin{};
    GetRgnBox(seen.Get(), &skin);
    const std::vector<COLORREF> shown = Painted(main, skin.right, skin.bottom);
    const auto pixel = [&](int x, int y) { return shown[y * skin.right + x]; };
    std::set<COLORREF> others;
    for (int y = 0; y < skin.bottom; ++y) {
      for (int x = 0; x < skin.right; ++x) {
        const COLORREF p = pixel(x, y);
        if (p != kInk && p != kGround && PtInRegion(seen.Get(), x, y)) others.insert(p);
      }
    }
    EXPECT_TRUE(others.empty()) << others.size() << " other colours, such as " << std::hex
                                << *others.begin();
    EXPECT_EQ(pixel(c.ink.x, c.ink.y), kInk);
    EXPECT_EQ(pixel(c.ground.x, c.ground.y), kGround);
    // Every tile shown has its title written in it.
    for (const int top : {120, 216, 312, 408}) {
      if (top == 408 && c.key == VK_NEXT) continue;
      int ink = 0;
      for (int y = top + 14; y < top + 46; ++y) {
        for (int x = 43; x < 200; ++x) ink += pixel(x, y) == kInk;
      }
      EXPECT_GT(ink, 100) << "the tile at " << top;
    }
  }
}

// Looks, from within the modal loop of the dialog a tab opened, at what the
// dialog shows (its caption, its client area), then closes it as Esc does.
struct SeenDialog {
  wchar_t caption[32] = {};
  int width = 0;
  std::vector<COLORREF> pixels;
} gSeen;

BOOL CALLBACK LookAtDialog(HWND window, LPARAM) {
  wchar_t name[8] = {};
  GetClassNameW(window, name, 8);
  if (std::wstring_view(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  RECT client{};
  GetClientRect(window, &client);
  GetWindowTextW(window, gSeen.caption, 32);
  gSeen.width = client.right;
  gSeen.pixels = Painted(window, client.right, client.bottom);
  PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
  return FALSE;
}

void CALLBACK LookAndClose(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), LookAtDialog, 0);
}

// The dialogs the tabs open take the launcher's colours: their words in the
// pupil's text colour on the window colour, and no picture.
TEST_F(LauncherWindowTest, TheTabsDialogsTakeThePupilsColours) {
  const struct {
    POINT tab;
    std::wstring_view caption;
    bool icon;  // the skin has the program's icon in the dialog's corner
  } kTabs[] = {{{707, 170}, L"Nastavenia", false},
               {{707, 300}, L"O programe", true},
               {{707, 440}, L"Dot\u00e1cie", true}};
  for (const auto& tab : kTabs) {
    LauncherWindow launcher(GetModuleHandleW(nullptr));
    const HWND main = launcher.Open();
    ASSERT_NE(main, nullptr);
    launcher.SetPalette(kChosen);
    gSeen = {};
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, LookAndClose);
    PostMessageW(main, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(tab.tab.x, tab.tab.y));
    PostMessageW(main, WM_LBUTTONUP, 0, MAKELPARAM(tab.tab.x, tab.tab.y));
    for (int waited = 0; waited < 3000 && gSeen.pixels.empty(); waited += 10) {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
      Sleep(10);
    }
    KillTimer(nullptr, timer);
    ASSERT_EQ(gSeen.caption, tab.caption);
    const auto pixel = [](int x, int y) { return gSeen.pixels[y * gSeen.width + x]; };
    EXPECT_EQ(pixel(2, 2), kGround) << "the ground";
    int ink = 0, icon = 0;
    for (COLORREF p : gSeen.pixels) ink += p == kInk;
    for (int y = 10; tab.icon && y < 58; ++y) {
      for (int x = 10; x < 58; ++x) icon += pixel(x, y) != kGround;
    }
    EXPECT_GT(ink, 200) << "the words in the pupil's text colour";
    EXPECT_EQ(icon, 0) << "pixels of the icon";
  }
}

// The mode turned off again: the skin's pictures come back. (Wine never has
// the mode on, so the system's settings ask for the skin.)
TEST_F(LauncherWindowTest, TheSkinComesBackWhenTheSettingChanges) {
  LauncherWindow launcher(GetModuleHandleW(nullptr));
  const HWND main = launcher.Open();
  ASSERT_NE(main, nullptr);
  launcher.SetPalette(kChosen);
  SendMessageW(main, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  constexpr int kWidth = 337;  // as far as Trigona's tile reaches
  const std::vector<COLORREF> shown = Painted(main, kWidth, 209);
  std::set<COLORREF> trigona;
  for (int y = 120; y < 209; ++y) trigona.insert(&shown[y * kWidth + 27], &shown[(y + 1) * kWidth]);
  EXPECT_GT(trigona.size(), 20u) << "the colours of Trigona's picture";
}

}  // namespace
}  // namespace prolexa::zeruraruri
