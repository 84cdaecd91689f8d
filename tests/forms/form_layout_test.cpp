// Every calculator's window at every display scale the suite supports: each
// text fits its control as the control's own font measures it, no two
// controls stand on each other, the content is the 96-DPI content at the
// scale, and a move to a screen of another DPI takes all of it along.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "dromika_form.h"
#include "mernika_form.h"
#include "radixa_form.h"
#include "rezeze_form.h"
#include "screen_reader.h"
#include "trigona_form.h"
#include "wide.h"
#include "zazozarozovuz_form.h"
#include "zeraz_form.h"

namespace prolexa {
namespace {

using e2e::AccessibleName;

struct Program {
  const char* name;
  const CalculatorForm& (*form)();
};

const Program kPrograms[] = {
    {"Trigona", trigona::Form},   {"Radixa", radixa::Form},
    {"Rezeze", rezeze::Form},     {"Dromika", dromika::Form},
    {"Zazozarozovuz", zazozarozovuz::Form}, {"Zeraz", zeraz::Form},
    {"Mernika", mernika::Form},
};

const int kDpis[] = {96, 120, 144, 192};

void Ignore(HWND, const Refusal&) {}

// A form as its program has it, but refusals are not shown in a box.
CalculatorForm Quiet(const CalculatorForm& form) {
  CalculatorForm quiet = form;
  quiet.showRefusal = Ignore;
  return quiet;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

RECT PlaceInParent(HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

// The text as the control's font sets it.
SIZE Extent(HWND control, const std::wstring& text) {
  const HDC dc = GetDC(control);
  const HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return size;
}

std::wstring TextOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::vector<HWND> ShownControls(HWND main) {
  std::vector<HWND> shown;
  for (HWND child = GetWindow(main, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child)) shown.push_back(child);
  }
  return shown;
}

// What a control needs beside its text's width: a push button's edges, a
// check box's box and gap, a list's arrow and margins.
int Beside(HWND control, DisplayScale scale) {
  const std::wstring kind = ClassOf(control);
  if (kind == L"ComboBox") return scale(17 + 6);
  if (kind != L"Button") return 0;
  const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON ? scale(4) : scale(13 + 4);
}

// Each text of the shown controls fits them, and they stand apart (but for
// the solution control, which lies under those in its area) and inside the
// client area.
void ExpectWhole(HWND main, HWND solution, DisplayScale scale, const std::string& where) {
  RECT client{};
  GetClientRect(main, &client);
  const std::vector<HWND> shown = ShownControls(main);
  for (HWND control : shown) {
    const RECT place = PlaceInParent(control);
    const std::wstring kind = ClassOf(control);
    std::vector<std::wstring> texts;
    // A button its window draws shows a picture, not its text.
    const bool drawn = (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
    if (kind == L"Static" || (kind == L"Button" && !drawn)) texts.push_back(TextOf(control));
    if (kind == L"ComboBox") {
      const auto count = SendMessageW(control, CB_GETCOUNT, 0, 0);
      for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
        std::wstring entry(static_cast<std::size_t>(SendMessageW(control, CB_GETLBTEXTLEN, i, 0)) + 1,
                           L'\0');
        entry.resize(static_cast<std::size_t>(
            SendMessageW(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()))));
        texts.push_back(entry);
      }
    }
    for (const std::wstring& text : texts) {
      const SIZE size = Extent(control, text);
      EXPECT_LE(size.cx + Beside(control, scale), place.right - place.left)
          << where << ": \"" << Narrow(text) << "\" is cut";
      EXPECT_LE(size.cy, place.bottom - place.top) << where << ": \"" << Narrow(text) << "\"";
    }
    RECT inside{};
    EXPECT_TRUE(IntersectRect(&inside, &place, &client) && EqualRect(&inside, &place))
        << where << ": \"" << Narrow(TextOf(control)) << "\" reaches out of the window";
  }
  for (std::size_t i = 0; i < shown.size(); ++i) {
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      // An up-down control shares its buddy's edge by design.
      const auto buddy = [](HWND spinner, HWND other) {
        return ClassOf(spinner) == UPDOWN_CLASSW &&
               reinterpret_cast<HWND>(SendMessageW(spinner, UDM_GETBUDDY, 0, 0)) == other;
      };
      if (buddy(shown[i], shown[j]) || buddy(shown[j], shown[i])) continue;
      if (shown[i] == solution || shown[j] == solution) continue;
      const RECT a = PlaceInParent(shown[i]);
      const RECT b = PlaceInParent(shown[j]);
      RECT both{};
      EXPECT_FALSE(IntersectRect(&both, &a, &b))
          << where << ": \"" << Narrow(TextOf(shown[i])) << "\" and \""
          << Narrow(TextOf(shown[j])) << "\" overlap";
    }
  }
}

TEST(FormLayout, EveryTextFitsAndNoControlsOverlapAtEveryScale) {
  for (const Program& program : kPrograms) {
    const CalculatorForm form = Quiet(program.form());
    for (int dpi : kDpis) {
      CalculatorWindow window(form, GetModuleHandleW(nullptr), DisplayScale{dpi});
      const HWND main = CreateCalculatorWindow(window);
      ASSERT_NE(main, nullptr) << program.name;
      RECT outer{};
      GetWindowRect(main, &outer);
      EXPECT_EQ(outer.right - outer.left, MulDiv(form.frame.width, dpi, 96)) << program.name;
      EXPECT_EQ(outer.bottom - outer.top, MulDiv(form.frame.height, dpi, 96)) << program.name;
      for (int mode = 0; mode < form.modes.count; ++mode) {
        window.SwitchMode(mode);
        ExpectWhole(main, window.SolutionControl().Window(), window.Scale(),
                    std::string(program.name) + " at " + std::to_string(dpi) + " DPI, exercise " +
                        std::to_string(mode));
      }
      DestroyWindow(main);
    }
  }
}

// Whether a solution fits its window is decided in 96-DPI places, so no
// scale changes a verdict.
TEST(FormLayout, NoScaleChangesWhetherASolutionFits) {
  const struct {
    const wchar_t* a;
    const wchar_t* b;
    const wchar_t* c;
    bool shown;
  } cases[] = {
      {L"-234.416952", L"8404.727431", L"-68632721.8", false},  // too wide at six places
      {L"1", L"-3", L"2", true},
  };
  const CalculatorForm form = Quiet(radixa::Form());
  for (int dpi : kDpis) {
    CalculatorWindow window(form, GetModuleHandleW(nullptr), DisplayScale{dpi});
    const HWND main = CreateCalculatorWindow(window);
    SetWindowTextW(window.Rounding().edit, L"6");
    for (const auto& c : cases) {
      SetWindowTextW(window.Field(0), c.a);
      SetWindowTextW(window.Field(1), c.b);
      SetWindowTextW(window.Field(2), c.c);
      window.Compute();
      EXPECT_EQ(window.SolutionShown(), c.shown) << dpi << " DPI, c = " << Narrow(c.c);
    }
    DestroyWindow(main);
  }
}

// A screen reader names each field, list and spinner by its label, the help
// button and the solution by what they are.
TEST(FormLayout, EveryControlIsNamedByItsLabel) {
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  for (const Program& program : kPrograms) {
    const CalculatorForm form = Quiet(program.form());
    CalculatorWindow window(form, GetModuleHandleW(nullptr), DisplayScale{96});
    const HWND main = CreateCalculatorWindow(window);
    ASSERT_NE(main, nullptr) << program.name;
    std::vector<std::string> labels;
    for (HWND control : ShownControls(main)) {
      if (ClassOf(control) == L"Static") labels.push_back(WindowTextUtf8(control));
    }
    for (std::size_t i = 0; i < form.fields.size(); ++i) {
      const HWND field = window.Field(static_cast<int>(i));
      // The label as the exercise shown writes it, the control just before
      // the edit.
      const HWND label = GetWindow(field, GW_HWNDPREV);
      EXPECT_EQ(ClassOf(label), L"Static") << program.name << ", field " << i;
      const std::string named = AccessibleName(field);
      EXPECT_FALSE(named.empty()) << program.name << ", field " << i;
      EXPECT_EQ(named, WindowTextUtf8(label)) << program.name << ", field " << i;
      if (std::string_view(program.name) == "Trigona") {
        EXPECT_EQ(named, form.fields[i].label) << "field " << i;  // "odvěsna a" ...
      }
    }
    for (std::size_t i = 0; i < form.lists.size(); ++i) {
      if (!IsWindowVisible(window.List(static_cast<int>(i)))) continue;  // the exercise's
      const std::string named = AccessibleName(window.List(static_cast<int>(i)));
      EXPECT_NE(std::find(labels.begin(), labels.end(), named), labels.end())
          << program.name << ", list " << i << " is named \"" << named << "\"";
    }
    if (window.Rounding().spinner != nullptr) {
      EXPECT_EQ(AccessibleName(window.Rounding().spinner), WindowTextUtf8(window.Rounding().label))
          << program.name;
    }
    const bool czech = form.core.language == PlacesLanguage::Czech;
    EXPECT_EQ(AccessibleName(window.HelpButton()), czech ? "Nápověda" : "Pomocník");
    EXPECT_EQ(AccessibleName(window.SolutionControl().Window()), czech ? "Řešení" : "Riešenie");
    DestroyWindow(main);
  }
  // The lists named by a label of their own, not by a row's.
  const struct {
    const CalculatorForm& form;
    int list;
    const char* name;
  } own[] = {{trigona::Form(), 0, "odvěsna a"},
             {dromika::Form(), 5, "Počítat v:"},
             {dromika::Form(), 6, "Vypočítej:"},
             {mernika::Form(), 0, "Typ"}};
  for (const auto& list : own) {
    const CalculatorForm form = Quiet(list.form);
    CalculatorWindow window(form, GetModuleHandleW(nullptr), DisplayScale{96});
    const HWND main = CreateCalculatorWindow(window);
    EXPECT_EQ(AccessibleName(window.List(list.list)), list.name);
    DestroyWindow(main);
  }
  CoUninitialize();
}

// A picture of a window's content as PaintContent draws it, read back row
// by row.
class Picture {
 public:
  Picture(int w, int h) : w_(w), h_(h), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<const DWORD*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
    const RECT all{0, 0, w, h};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  ~Picture() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC Dc() const { return dc_; }
  // The box of the dark pixels (text and lines, not the bands' tints) in
  // a region; empty when there are none.
  RECT Ink(const RECT& region) const {
    GdiFlush();
    RECT box{region.right, region.bottom, region.left, region.top};
    for (int y = region.top; y < std::min<int>(region.bottom, h_); ++y) {
      for (int x = region.left; x < std::min<int>(region.right, w_); ++x) {
        const DWORD p = bits_[y * w_ + x];
        if ((p & 0xFF) < 128 && ((p >> 8) & 0xFF) < 128 && ((p >> 16) & 0xFF) < 128) {
          box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                 std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
        }
      }
    }
    return box;
  }

 private:
  int w_, h_;
  HDC dc_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  const DWORD* bits_ = nullptr;
};

// Trigona with a = 3, b = 4.25 computed, its content painted at a scale.
struct Painted {
  RECT banner, figure, solution;
};

Painted PaintTrigona(int dpi) {
  const CalculatorForm form = Quiet(trigona::Form());
  CalculatorWindow window(form, GetModuleHandleW(nullptr), DisplayScale{dpi});
  const HWND main = CreateCalculatorWindow(window);
  SetWindowTextW(window.Field(0), L"3");
  SetWindowTextW(window.Field(1), L"4.25");
  window.Compute();
  const DisplayScale s{dpi};
  Picture picture(s(form.frame.width), s(form.frame.height));
  window.PaintContent(picture.Dc());
  const Painted painted{picture.Ink(s(RECT{0, 0, 420, 60})), picture.Ink(s(RECT{380, 70, 520, 190})),
                        picture.Ink(s(RECT{0, 220, 520, 400}))};
  DestroyWindow(main);
  return painted;
}

TEST(FormLayout, ContentAtTwiceTheDpiIsTheSameContentTwiceAsLarge) {
  const Painted small = PaintTrigona(96);
  const Painted large = PaintTrigona(192);
  const std::pair<const char*, RECT Painted::*> parts[] = {
      {"banner", &Painted::banner}, {"figure", &Painted::figure}, {"solution", &Painted::solution}};
  for (const auto& [name, part] : parts) {
    const RECT& a = small.*part;
    const RECT& b = large.*part;
    ASSERT_LT(a.left, a.right) << name << " has ink at 96 DPI";
    for (const auto& [at96, at192] : {std::pair{a.left, b.left}, {a.top, b.top},
                                      {a.right, b.right}, {a.bottom, b.bottom}}) {
      EXPECT_NEAR(at192, 2 * at96, 2) << name;
    }
  }
}

// The box of the dark pixels of the picture on the clipboard.
RECT CopiedInk() {
  RECT box{LONG_MAX, LONG_MAX, 0, 0};
  if (!OpenClipboard(nullptr)) return box;
  if (const HANDLE data = GetClipboardData(CF_DIB)) {
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(data));
    const auto* bits = reinterpret_cast<const BYTE*>(header + 1);
    const LONG w = header->biWidth;
    const LONG h = header->biHeight;  // rows from the bottom
    const LONG stride = (w * 3 + 3) / 4 * 4;
    for (LONG row = 0; row < h; ++row) {
      for (LONG x = 0; x < w; ++x) {
        const BYTE* p = bits + row * stride + x * 3;
        if (p[0] < 128 && p[1] < 128 && p[2] < 128) {
          const LONG y = h - 1 - row;
          box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                 std::max(box.bottom, y + 1)};
        }
      }
    }
    GlobalUnlock(data);
  }
  CloseClipboard();
  return box;
}

TEST(FormLayout, AMoveToAScreenOfAnotherDpiTakesControlsFontsAndContentAlong) {
  const CalculatorForm form = Quiet(trigona::Form());
  CalculatorWindow window(form, GetModuleHandleW(nullptr), DisplayScale{96});
  const HWND main = CreateCalculatorWindow(window);
  SetWindowTextW(window.Field(0), L"3");
  SetWindowTextW(window.Field(1), L"4.25");
  window.Compute();
  // What the system sends when the window has moved onto a 144-DPI screen.
  RECT suggested{40, 30, 40 + 788, 30 + 750};
  SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  RECT outer{};
  GetWindowRect(main, &outer);
  EXPECT_TRUE(EqualRect(&outer, &suggested));
  const RECT ok = PlaceInParent(window.ComputeButton());
  EXPECT_EQ(ok.left, 18);  // 12, 190, 75 x 25 at 96 DPI
  EXPECT_EQ(ok.top, 285);
  EXPECT_EQ(ok.right - ok.left, 113);
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(window.Field(0), WM_GETFONT, 0, 0)),
             sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -17);
  ExpectWhole(main, window.SolutionControl().Window(), DisplayScale{144}, "Trigona after the move");
  // What the window shows now: the solution as the 144-DPI window draws it.
  UpdateWindow(main);
  RECT client{};
  GetClientRect(main, &client);
  Picture shown(client.right, client.bottom);
  const HDC screen = GetDC(main);
  BitBlt(shown.Dc(), 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
  ReleaseDC(main, screen);
  const RECT ink = shown.Ink(DisplayScale{144}(RECT{0, 220, 370, 395}));
  const Painted expected = PaintTrigona(144);
  EXPECT_NEAR(ink.right, expected.solution.right, 2);
  EXPECT_NEAR(ink.bottom, expected.solution.bottom, 2);
  // The copied picture is the solution area as the window shows it.
  ASSERT_TRUE(window.CopySolution());
  const RECT box = window.SolutionBox();
  const RECT copied = CopiedInk();
  EXPECT_EQ(copied.left + box.left, ink.left);
  EXPECT_EQ(copied.top + box.top, ink.top);
  EXPECT_EQ(copied.right + box.left, ink.right);
  EXPECT_EQ(copied.bottom + box.top, ink.bottom);
  DestroyWindow(main);
}

}  // namespace
}  // namespace prolexa
