// The launcher in the colours of the system's high-contrast mode. Wine cannot
// turn that mode on, so the test makes the launcher's window in its own
// process and gives it the colours the mode would.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "launcher_window.h"
#include "palette.h"
#include "scoped.h"
#include "wide.h"

namespace prolexa::zeruraruri {
namespace {

// Colours that no picture of the skin uses, so that a picture left in shows.
constexpr Palette kChosen{.system = true,
                          .text = RGB(255, 255, 0),
                          .window = RGB(0, 0, 96),
                          .face = RGB(0, 96, 0),
                          .faceText = RGB(255, 255, 255)};

constexpr int kSkinWidth = 726, kSkinHeight = 509;

// The part of the client area that is seen: the window's region, which
// cuts it to the skin's rounded shape.
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

// The client area (or its top left w x h pixels) as the window has it
// painted, each pixel 0xRRGGBB.
class Shown {
 public:
  explicit Shown(HWND window, int w = kSkinWidth, int h = kSkinHeight) : width_(w) {
    UpdateWindow(window);
    const WindowDC source(window);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const GdiBitmap dib(CreateDIBSection(source.Dc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const MemoryDC memory(source.Dc());
    const ScopedSelectObject select(memory.Dc(), dib.Get());
    BitBlt(memory.Dc(), 0, 0, w, h, source.Dc(), 0, 0, SRCCOPY);
    GdiFlush();
    const auto* data = static_cast<const DWORD*>(bits);
    pixels_.assign(data, data + w * h);
    for (COLORREF& p : pixels_) p &= 0xFFFFFF;
  }
  COLORREF At(int x, int y) const { return pixels_[y * width_ + x]; }
  const std::vector<COLORREF>& Pixels() const { return pixels_; }

 private:
  int width_;
  std::vector<COLORREF> pixels_;
};

constexpr COLORREF Rgb(COLORREF bgr) {
  return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

class LauncherWindowTest : public ::testing::Test {
 protected:
  // A zoom another test left would move every place below.
  void SetUp() override { TearDown(); }
  void TearDown() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tolvek\\Prolexa\\Zeruraruri");
  }
};

// What the pupil does, and a pixel that must then show ink (the text
// colour) and one that must show the ground.
struct Case {
  const char* what;
  UINT message;
  WPARAM wParam;
  POINT mouse;
  POINT ink;
  POINT ground;
};

const Case kCases[] = {
    // Trigona's frame is one pixel wide.
    {"as it opens", 0, 0, {}, {27, 160}, {28, 160}},
    {"the mouse on Trigona: its frame thicker", WM_MOUSEMOVE, 0, {100, 160}, {29, 160},
     {30, 160}},
    {"the mouse on the settings tab", WM_MOUSEMOVE, 0, {707, 170}, {696, 170}, {697, 170}},
    {"the mouse on the close button", WM_MOUSEMOVE, 0, {690, 10}, {682, 10}, {683, 10}},
    // A gap, then the ring of the focus, outside the tile's own frame.
    {"Tab: the focus on Trigona", WM_KEYDOWN, VK_TAB, {}, {25, 160}, {26, 160}},
    // The fourth slot stays empty on the second page.
    {"Page Down: the second page", WM_KEYDOWN, VK_NEXT, {}, {25, 160}, {27, 450}},
};

TEST_F(LauncherWindowTest, HighContrastDrawsOnlyInThePupilsColours) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    LauncherWindow launcher(GetModuleHandleW(nullptr));
    const HWND main = launcher.Open();
    ASSERT_NE(main, nullptr);
    launcher.SetPalette(kChosen);
    if (c.message == WM_MOUSEMOVE) {
      SendMessageW(main, c.message, 0, MAKELPARAM(c.mouse.x, c.mouse.y));
    } else if (c.message == WM_KEYDOWN) {
      SendMessageW(main, c.message, c.wParam, 1);
    }
    const Shown shown(main);
    const GdiRegion skin = SeenPart(main);
    std::set<COLORREF> others;
    for (int y = 0; y < kSkinHeight; ++y) {
      for (int x = 0; x < kSkinWidth; ++x) {
        const COLORREF p = shown.At(x, y);
        if (PtInRegion(skin.Get(), x, y) && p != Rgb(kChosen.text) && p != Rgb(kChosen.window)) {
          others.insert(p);
        }
      }
    }
    EXPECT_TRUE(others.empty()) << others.size() << " other colours, such as " << std::hex
                                << *others.begin();
    EXPECT_EQ(shown.At(c.ink.x, c.ink.y), Rgb(kChosen.text));
    EXPECT_EQ(shown.At(c.ground.x, c.ground.y), Rgb(kChosen.window));
    // Every tile's words stand in it: the title's row has ink.
    for (const int top : {120, 216, 312, 408}) {
      if (c.message == WM_KEYDOWN && c.wParam == VK_NEXT && top == 408) continue;
      int ink = 0;
      for (int y = top + 14; y < top + 46; ++y) {
        for (int x = 27 + 16; x < 200; ++x) ink += shown.At(x, y) == Rgb(kChosen.text);
      }
      EXPECT_GT(ink, 100) << "the tile at " << top;
    }
  }
}

// What the test saw of a dialog the launcher opened: its caption, and its
// client area as painted, each pixel 0xRRGGBB.
struct SeenDialog {
  std::wstring caption;
  int width = 0;
  std::vector<COLORREF> pixels;
};
SeenDialog gSeen;

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Runs in the dialog's own message loop: takes what the dialog shows, then
// closes it as Esc does.
void CALLBACK LookAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
  if (dialog == nullptr) return;
  KillTimer(nullptr, timer);
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN |
                                             RDW_UPDATENOW);
  wchar_t caption[64] = {};
  GetWindowTextW(dialog, caption, 64);
  RECT client{};
  GetClientRect(dialog, &client);
  gSeen = {caption, client.right, Shown(dialog, client.right, client.bottom).Pixels()};
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

// The dialogs the tabs open take the launcher's colours: their words in the
// pupil's text colour on the window colour, and no picture.
TEST_F(LauncherWindowTest, TheTabsDialogsTakeThePupilsColours) {
  const struct {
    POINT tab;
    const wchar_t* caption;
    bool icon;  // the program's icon in the dialog's corner, in the skin
  } kTabs[] = {{{707, 170}, L"Nastavenia", false},
               {{707, 300}, L"O programe", true},
               {{707, 440}, L"Dot\u00e1cie", true}};
  for (const auto& tab : kTabs) {
    SCOPED_TRACE(Narrow(tab.caption));
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
    ASSERT_FALSE(gSeen.pixels.empty()) << "no dialog";
    EXPECT_EQ(gSeen.caption, tab.caption);
    const auto at = [&](int x, int y) { return gSeen.pixels[y * gSeen.width + x]; };
    EXPECT_EQ(at(2, 2), Rgb(kChosen.window)) << "the ground";
    int ink = 0;
    for (COLORREF p : gSeen.pixels) ink += p == Rgb(kChosen.text);
    EXPECT_GT(ink, 200) << "the words in the pupil's text colour";
    if (!tab.icon) continue;
    int icon = 0;
    for (int y = 10; y < 58; ++y) {
      for (int x = 10; x < 58; ++x) icon += at(x, y) != Rgb(kChosen.window);
    }
    EXPECT_EQ(icon, 0) << "pixels of the icon";
  }
}

// The mode turned off again: the skin's pictures come back. (Wine never
// has the mode on, so the system's settings ask for the skin.)
TEST_F(LauncherWindowTest, TheSkinComesBackWhenTheSettingChanges) {
  LauncherWindow launcher(GetModuleHandleW(nullptr));
  const HWND main = launcher.Open();
  ASSERT_NE(main, nullptr);
  launcher.SetPalette(kChosen);
  SendMessageW(main, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  const Shown shown(main);
  std::set<COLORREF> colours;
  for (int y = 120; y < 209; ++y) {
    for (int x = 27; x < 337; ++x) colours.insert(shown.At(x, y));
  }
  EXPECT_GT(colours.size(), 20u) << "Trigona's picture";
}

}  // namespace
}  // namespace prolexa::zeruraruri
