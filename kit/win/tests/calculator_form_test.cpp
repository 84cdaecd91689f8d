#include "calculator_form.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "display_scale.h"
#include "settings_key.h"
#include "test_window.h"
#include "wide.h"

namespace prolexa {
namespace {

constexpr std::array<std::string_view, 3> kSizes = {"malý", "střední", "velký"};
constexpr int kSmall = 0;
constexpr std::array<KeyField, 1> kKeys = {KeyField::Number};

// The test calculator refuses the first list's "malý" and otherwise draws
// the typed text as its one line.
std::vector<Refusal> g_refusals;
int g_checks = 0;

Verdict Check(const FormInputs& in) {
  ++g_checks;
  if (in.List(0) == kSmall) return {ErrorRefusal("Malé."), 0};
  return {};
}

DrawSteps Draw(const FormInputs& in, int, int) {
  DrawSteps steps;
  steps.Origin(12, 230);
  steps.Line("x = " + in.Text(0));
  return steps;
}

DrawSteps Figure(int) {
  DrawSteps figure;
  figure.Sketch(SketchItem::Line({300, 100}, {400, 100}));
  return figure;
}

void Record(HWND, const Refusal& refusal) { g_refusals.push_back(refusal); }

CalculatorForm TestForm(const std::string& keyName) {
  return {.keyName = keyName,
          .caption = "Zkouška",
          .frame = {.width = 525, .height = 500, .titleX = 143},
          .fields = {{.label = "délka", .labelPlace = {12, 77, 50, 20},
                      .place = {78, 77, 97, 21}, .limit = 6}},
          .fieldKeys = kKeys,
          .lists = {{.place = {182, 77, 80, 110}, .entries = ListOf(kSizes),
                     .preference = "cmb0", .defaultEntry = 1}},
          .options = {{.text = "Jednotky", .place = {24, 163, 110, 15}, .preference = "checked",
                       .defaultChecked = true}},
          .computeButton = {12, 190},
          .rounding = {.edit = POINT{323, 192}, .labelGap = 8},
          .focusChain = {FormControl::Field(0), FormControl::Compute()},
          .solutionAreas = {{11, 220, 370, 395}},
          .figure = Figure,
          .core = {.check = Check, .draw = Draw, .profile = {85},
                   .solutionRight = 509},
          .showRefusal = Record};
}

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_refusals.clear();
    g_checks = 0;
  }
  void TearDown() override {
    if (window_ && IsWindow(window_->Main())) DestroyWindow(window_->Main());
    RegDeleteTreeW(HKEY_CURRENT_USER, Widen(SettingsPath(key_)).c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, Widen(SettingsPath(key_)).c_str());
  }

  void Store(const char* name, DWORD value) {
    SettingsKey key;
    key.Open(HKEY_CURRENT_USER, SettingsPath(key_));
    key.WriteDword(name, value);
  }
  std::optional<DWORD> Stored(const char* name) {
    SettingsKey key;
    key.Open(HKEY_CURRENT_USER, SettingsPath(key_));
    const DWORD missing = 0xDEADBEEF;
    const DWORD value = key.ReadDword(name, missing);
    return value == missing ? std::nullopt : std::optional<DWORD>(value);
  }

  CalculatorWindow& Start() {
    window_ = std::make_unique<CalculatorWindow>(form_, GetModuleHandleW(nullptr));
    EXPECT_NE(CreateCalculatorWindow(*window_), nullptr);
    return *window_;
  }

  void PickEntry(int entry) {
    SendMessageW(window_->List(0), CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    window_->OnCommand(window_->List(0), CBN_SELCHANGE);
  }

  std::string key_ = test::UniqueName("Form");
  CalculatorForm form_ = TestForm(key_);
  std::unique_ptr<CalculatorWindow> window_;
};

TEST_F(FormTest, BindsThePreferences) {
  // Each row: what the registry holds (none: nothing), what the window shows,
  // what it writes back on exit.
  const struct {
    std::optional<DWORD> cmb0, checked, round;
    LRESULT entry;
    bool ticked;
    const char* places;
    const char* why;
  } rows[] = {
      {{}, {}, {}, 1, true, "2", "nothing stored: every default"},
      {0, 0, 5, 0, false, "5", "stored choices"},
      {3, 2, 7, 1, false, "2", "past the list, not 1, past six: the defaults"},
      {0xFFFFFFFF, 1, 0xFFFFFFFF, 1, true, "2", "-1 as the launcher writes for no choice"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.why);
    RegDeleteTreeW(HKEY_CURRENT_USER, Widen(SettingsPath(key_)).c_str());
    if (row.cmb0) Store("cmb0", *row.cmb0);
    if (row.checked) Store("checked", *row.checked);
    if (row.round) Store("round", *row.round);
    CalculatorWindow& window = Start();
    EXPECT_EQ(SendMessageW(window.List(0), CB_GETCURSEL, 0, 0), row.entry);
    EXPECT_EQ(SendMessageW(window.Option(0), BM_GETCHECK, 0, 0) == BST_CHECKED, row.ticked);
    EXPECT_EQ(WindowTextUtf8(window.Rounding().edit), row.places);
    DestroyWindow(window.Main());
    EXPECT_EQ(Stored("checked"), row.ticked ? 1u : 0u);
    EXPECT_EQ(Stored("round"), static_cast<DWORD>(std::stoi(row.places)));
    EXPECT_EQ(Stored("cmb0"), row.cmb0) << "the list's choice is never written";
  }
}

TEST_F(FormTest, PaintsFrameFigureAndSolutionIntoAnyContext) {
  CalculatorWindow& window = Start();
  SetWindowTextUtf8(window.Field(0), "12");
  window.Compute();
  ASSERT_TRUE(window.SolutionShown());
  test::Canvas canvas(525, 500);
  window.PaintContent(canvas.Dc());
  EXPECT_TRUE(canvas.Ink(0, 0)) << "header band";
  EXPECT_TRUE(canvas.Ink(524, 410)) << "footer band";
  EXPECT_TRUE(canvas.Ink(350, 100)) << "the figure's line";
  EXPECT_FALSE(canvas.Ink(350, 101));
  EXPECT_GT(canvas.InkIn(12, 230, 12 + 6 * 8, 246), 30) << "x = 12";
  window.Clear();
  test::Canvas cleared(525, 500);
  window.PaintContent(cleared.Dc());
  EXPECT_EQ(cleared.InkIn(12, 230, 12 + 6 * 8, 246), 0);
  EXPECT_EQ(WindowTextUtf8(window.Field(0)), "");
}

TEST_F(FormTest, AChangedListComputesAgainAndARefusalHidesTheSolution) {
  CalculatorWindow& window = Start();
  SetWindowTextUtf8(window.Field(0), "5");
  PickEntry(2);
  EXPECT_EQ(g_checks, 0) << "nothing shown: nothing to check";
  window.Compute();
  ASSERT_TRUE(window.SolutionShown());
  PickEntry(kSmall);
  EXPECT_FALSE(window.SolutionShown());
  ASSERT_EQ(g_refusals.size(), 1u);
  EXPECT_EQ(g_refusals[0], (Refusal{"Chyba", "Malé."}));
  PickEntry(2);
  EXPECT_EQ(g_checks, 2) << "nothing shown after the refusal";
  window.Compute();
  SendMessageW(window.Option(0), BM_CLICK, 0, 0);
  EXPECT_EQ(g_checks, 4) << "the option box computes again too";
  EXPECT_TRUE(window.SolutionShown());
}

TEST_F(FormTest, ComputeRepaintsTheSolutionRowsAcrossTheWholeWidth) {
  CalculatorWindow& window = Start();
  test::PumpMessages();
  ValidateRect(window.Main(), nullptr);
  window.Compute();
  RECT client{}, dirty{};
  GetClientRect(window.Main(), &client);
  ASSERT_TRUE(GetUpdateRect(window.Main(), &dirty, FALSE));
  EXPECT_EQ(dirty.left, 11);
  EXPECT_EQ(dirty.top, 220);
  EXPECT_EQ(dirty.right, client.right);
  EXPECT_EQ(dirty.bottom, 395);
}

TEST_F(FormTest, EachWindowAnswersForItsOwnCalculator) {
  CalculatorWindow& first = Start();
  CalculatorWindow second(form_, GetModuleHandleW(nullptr));
  ASSERT_NE(CreateCalculatorWindow(second), nullptr);
  SetWindowTextUtf8(first.Field(0), "5");
  SendMessageW(first.ComputeButton(), BM_CLICK, 0, 0);
  EXPECT_TRUE(first.SolutionShown());
  EXPECT_FALSE(second.SolutionShown());
  DestroyWindow(second.Main());
}

TEST_F(FormTest, EnterInAFieldPressesOkAndKeepsTheFocus) {
  CalculatorWindow& window = Start();
  PickEntry(2);
  SetFocus(window.Field(0));
  PostMessageW(window.Field(0), WM_KEYDOWN, VK_RETURN, 1);
  PostQuitMessage(0);
  RunMessageLoop(window.Keys());
  EXPECT_EQ(g_checks, 1);
  EXPECT_TRUE(window.SolutionShown());
  EXPECT_EQ(GetFocus(), window.Field(0));
}

TEST_F(FormTest, AListThatSwitchesTheModeKeepsTheFocus) {
  form_.modes = {.preference = "cmb0", .count = 3, .list = 0};
  Store("cmb0", 1);
  CalculatorWindow& window = Start();
  SetFocus(window.List(0));
  // The keys a pupil chooses with: an arrow, then Enter to close the list.
  for (const WPARAM key : {VK_DOWN, VK_RETURN}) {
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
    PostQuitMessage(0);
    RunMessageLoop(window.Keys());
  }
  EXPECT_EQ(window.Mode(), 2) << "the arrow chose the last entry";
  EXPECT_EQ(GetFocus(), window.List(0));
  EXPECT_EQ(g_checks, 0) << "Enter in the list is no OK";
}

void PutOnClipboard(HWND owner, const wchar_t* text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  const std::size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
  const HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
  memcpy(GlobalLock(data), text, bytes);
  GlobalUnlock(data);
  SetClipboardData(CF_UNICODETEXT, data);
  CloseClipboard();
}

TEST_F(FormTest, PastedTextIsFilteredAndKeepsTheLimit) {
  CalculatorWindow& window = Start();
  const struct {
    const wchar_t* field;
    int selFrom, selTo;
    const wchar_t* pasted;
    const char* text;
    const char* why;
  } cases[] = {
      {L"", 0, 0, L" 3,5 cm", "3.5", "the key filter's rules"},
      {L"", 0, 0, L"1234567,89", "123456", "six characters, as typed"},
      {L"", 0, 0, L" ", "", "a blank is no value"},
      {L"", 0, 0, L"1..5", "1.5", "one point"},
      {L"2.5", 3, 3, L",75", "2.575", "the field's point stays the only one"},
      {L"2.5", 0, 1, L"3.1", "3.15", "the first point of the whole text stays"},
  };
  for (const auto& c : cases) {
    PutOnClipboard(window.Main(), c.pasted);
    SetWindowTextW(window.Field(0), c.field);
    SendMessageW(window.Field(0), EM_SETSEL, static_cast<WPARAM>(c.selFrom), c.selTo);
    SendMessageW(window.Field(0), WM_PASTE, 0, 0);
    EXPECT_EQ(WindowTextUtf8(window.Field(0)), c.text) << c.why;
  }
}

TEST_F(FormTest, CtrlVAndShiftInsertPasteThroughTheFilter) {
  CalculatorWindow& window = Start();
  PutOnClipboard(window.Main(), L"x 4,25 cm");
  const struct {
    BYTE modifier;
    UINT key;
  } shortcuts[] = {{VK_CONTROL, 'V'}, {VK_SHIFT, VK_INSERT}};
  for (const auto& s : shortcuts) {
    SetWindowTextW(window.Field(0), L"");
    SetFocus(window.Field(0));
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[s.modifier] |= 0x80;
    SetKeyboardState(keys);
    PostMessageW(window.Field(0), WM_KEYDOWN, s.key, 1);
    PostQuitMessage(0);
    RunMessageLoop(window.Keys());
    keys[s.modifier] &= 0x7F;
    SetKeyboardState(keys);
    EXPECT_EQ(WindowTextUtf8(window.Field(0)), "4.25") << s.key;
  }
}

// In the system's high-contrast colours the window draws nothing in a
// colour the pupil did not choose: its content is the window text on the
// window colour, its bands the button text on the face colour, or a blend
// of the two where a letter's edge is smoothed. The colours are chosen so
// that a blend shows: yellow on blue keeps red and green equal and red and
// blue together between a full channel and one and a half (a blend with or
// without gamma), white on magenta keeps red and blue full.
TEST_F(FormTest, HighContrastDrawsOnlyInTheSystemsColours) {
  CalculatorWindow& window = Start();
  const Palette chosen{.system = true,
                       .text = RGB(255, 255, 0),
                       .window = RGB(0, 0, 255),
                       .face = RGB(255, 0, 255),
                       .faceText = RGB(255, 255, 255)};
  window.SetPalette(chosen);
  SetWindowTextW(window.Field(0), L"12.5");
  window.Compute();
  ASSERT_TRUE(window.SolutionShown());
  RECT client{};
  GetClientRect(window.Main(), &client);
  test::Canvas canvas(client.right, client.bottom);
  const GdiBrush erase(CreateSolidBrush(chosen.window));  // as the window's erase does
  FillRect(canvas.Dc(), &client, erase.Get());
  window.PaintContent(canvas.Dc());
  const auto inBand = [](int y) { return y < HeaderBandHeight || y >= 500 - FooterBandHeight; };
  int foreign = 0, text = 0;
  for (int y = 0; y < client.bottom; y += 1) {
    for (int x = 0; x < client.right; x += 1) {
      const COLORREF p = canvas.At(x, y);
      const int r = GetRValue(p), g = GetGValue(p), b = GetBValue(p);
      const bool blend = inBand(y) ? r >= 252 && b >= 252
                                   : std::abs(r - g) <= 3 && r + b >= 250 && r + b <= 400;
      if (!blend && ++foreign <= 5) ADD_FAILURE() << x << ", " << y << ": " << r << " " << g << " " << b;
      if (!inBand(y) && p == chosen.text) ++text;
    }
  }
  EXPECT_EQ(foreign, 0);
  EXPECT_GT(text, 50) << "the solution and the figure are drawn in the text colour";
}

// Ctrl with Plus, Minus or 0 in a field makes the whole window a step
// larger or smaller, from 100 % to 200 % of the screen's scaling, and the
// zoom is kept for the next start.
TEST_F(FormTest, ZoomKeysScaleTheWholeWindowAndTheZoomIsKept) {
  Store("zoom", 125);
  CalculatorWindow& window = Start();
  const int screen = SystemScale().dpi;
  const auto press = [&window](UINT key) {
    SetFocus(window.Field(0));
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] |= 0x80;
    SetKeyboardState(keys);
    PostMessageW(window.Field(0), WM_KEYDOWN, key, 1);
    PostQuitMessage(0);
    RunMessageLoop(window.Keys());
    keys[VK_CONTROL] &= 0x7F;
    SetKeyboardState(keys);
  };
  const struct {
    UINT key;
    int zoom;
  } steps[] = {{0, 125}, {VK_OEM_PLUS, 150}, {VK_ADD, 175}, {VK_OEM_PLUS, 200},
               {VK_OEM_PLUS, 200}, {VK_SUBTRACT, 175}, {'0', 100}, {VK_OEM_MINUS, 100},
               {VK_OEM_PLUS, 125}};
  for (const auto& step : steps) {
    if (step.key != 0) press(step.key);
    const DisplayScale scale{MulDiv(screen, step.zoom, 100)};
    EXPECT_EQ(window.Scale(), scale) << step.zoom;
    RECT outer{};
    GetWindowRect(window.Main(), &outer);
    EXPECT_EQ(outer.right - outer.left, scale(525)) << step.zoom;
    EXPECT_EQ(outer.bottom - outer.top, scale(500)) << step.zoom;
    RECT ok{};
    GetWindowRect(window.ComputeButton(), &ok);
    EXPECT_EQ(ok.right - ok.left, scale(12 + 75) - scale(12)) << step.zoom;
    EXPECT_EQ(WindowTextUtf8(window.Field(0)), "") << "a zoom key types nothing";
  }
  DestroyWindow(window.Main());
  EXPECT_EQ(Stored("zoom"), 125u);
}

}  // namespace
}  // namespace prolexa
