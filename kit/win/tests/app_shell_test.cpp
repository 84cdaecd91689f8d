#include "app_shell.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "control_factory.h"
#include "scoped.h"
#include "test_window.h"

namespace prolexa {
namespace {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  return DefWindowProcW(window, message, w, l);
}

TEST(MainWindow, ClassHasTheSuitesAttributes) {
  EXPECT_EQ(MainClassName("Trigona"), "Tolvek-00-Trigona");
  const std::string keyName = test::UniqueName("Class");
  ASSERT_TRUE(RegisterMainClass(Instance(), keyName, PlainProc));
  EXPECT_FALSE(RegisterMainClass(Instance(), keyName, PlainProc)) << "already registered";
  WNDCLASSEXW info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetClassInfoExW(Instance(), Widen(MainClassName(keyName)).c_str(), &info));
  EXPECT_EQ(info.style, static_cast<UINT>(CS_DBLCLKS));
  EXPECT_EQ(info.lpfnWndProc, PlainProc);
  EXPECT_EQ(info.cbClsExtra, 0);
  EXPECT_EQ(info.cbWndExtra, 0);
  EXPECT_NE(info.hIcon, nullptr) << "icon 101 of the program";
  EXPECT_EQ(info.hCursor, LoadCursorW(nullptr, IDC_ARROW));
  EXPECT_EQ(info.hbrBackground, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  EXPECT_EQ(info.lpszMenuName, nullptr);
  UnregisterClassW(Widen(MainClassName(keyName)).c_str(), Instance());
}

TEST(MainWindow, IsCentredFixedAndCaptioned) {
  const std::string keyName = test::UniqueName("Centre");
  ASSERT_TRUE(RegisterMainClass(Instance(), keyName, PlainProc));
  const struct {
    int w, h;
  } sizes[] = {{525, 500}, {301, 201}};
  for (const auto& size : sizes) {
    const HWND window =
        CreateCenteredMainWindow(Instance(), keyName, "Výuka - Trigona", size.w, size.h);
    ASSERT_NE(window, nullptr);
    RECT place{};
    GetWindowRect(window, &place);
    EXPECT_EQ(place.left, (GetSystemMetrics(SM_CXFULLSCREEN) - size.w) / 2);
    EXPECT_EQ(place.top, (GetSystemMetrics(SM_CYFULLSCREEN) - size.h) / 2);
    EXPECT_EQ(place.right - place.left, size.w);
    EXPECT_EQ(place.bottom - place.top, size.h);
    EXPECT_FALSE(IsWindowVisible(window)) << "shown only once complete";
    ShowMainWindow(window);
    const DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    EXPECT_EQ(style & (WS_VISIBLE | WS_SYSMENU | WS_MINIMIZEBOX | WS_CAPTION),
              static_cast<DWORD>(WS_VISIBLE | WS_SYSMENU | WS_MINIMIZEBOX | WS_CAPTION));
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CHILD | WS_POPUP), 0u)
        << "neither resizable nor maximisable";
    EXPECT_EQ(GetWindowLongW(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0)
        << "no extended style of its own";
    EXPECT_EQ(GetParent(window), nullptr);
    EXPECT_EQ(GetMenu(window), nullptr);
    EXPECT_EQ(WindowTextUtf8(window), "Výuka - Trigona");
    EXPECT_TRUE(test::HasClass(window, Widen(MainClassName(keyName)).c_str()));
    DestroyWindow(window);
  }
  UnregisterClassW(Widen(MainClassName(keyName)).c_str(), Instance());
}

TEST(MainWindow, CommonControlsAreAvailable) {
  EXPECT_TRUE(InitCommonControlsForSuite());
  WNDCLASSEXW info{};
  info.cbSize = sizeof info;
  EXPECT_TRUE(GetClassInfoExW(nullptr, UPDOWN_CLASSW, &info));
}

// A test window with the kinds of field the key filter tells apart.
class LoopTest : public ::testing::Test {
 public:
  HWND number_ = nullptr, other_ = nullptr, signed_ = nullptr, combo_ = nullptr;
  HWND rounding_ = nullptr, outside_ = nullptr;

 protected:
  void SetUp() override {
    const ControlFactory factory(Instance(), window_.Get());
    number_ = factory.CreateEdit("", 10, 10, 100, 21);
    other_ = factory.CreateEdit("", 10, 40, 100, 21);
    signed_ = factory.CreateEdit("", 10, 70, 100, 21);
    combo_ = factory.CreateDropList(120, 10, 60, 100);
    rounding_ = factory.CreateNumberEdit("", 10, 100, 30, 21);
    outside_ = factory.CreateButton("OK", 10, 130, 75, 25);
    policy_.focusChain = {number_, combo_, signed_, rounding_};
    policy_.numberEdits = {number_};
    policy_.signedEdits = {signed_};
    policy_.roundingEdit = rounding_;
    policy_.helpOwner = window_.Get();
    policy_.openHelp = RecordHelp;
    helpOpened_.clear();
    // The keypad gives digits only with Num Lock on; the virtual display
    // starts with it off.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_NUMLOCK] |= 1;
    SetKeyboardState(keys);
    test::PumpMessages();
  }

  static void PostKey(HWND target, unsigned key) {
    const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    PostMessageW(target, WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scan << 16)));
  }

  // Posts the keys to the window and runs the loop until it has dealt with
  // them (the quit message comes after every posted one).
  static int Type(HWND target, const std::vector<unsigned>& keys, int exitCode, KeyPolicy& policy) {
    for (unsigned key : keys) PostKey(target, key);
    PostQuitMessage(exitCode);
    return RunMessageLoop(policy);
  }

  static void RecordHelp(HWND owner) { helpOpened_.push_back(owner); }

  test::TestWindow window_;
  KeyPolicy policy_;
  static std::vector<HWND> helpOpened_;
};
std::vector<HWND> LoopTest::helpOpened_;

TEST_F(LoopTest, FiltersTheKeysOfEachField) {
  struct TypingCase {
    HWND LoopTest::*field;
    std::vector<unsigned> keys;
    const char* text;
    const char* why;
  };
  const TypingCase cases[] = {
      {&LoopTest::number_, {'1', 188, '5'}, "1.5", "a comma becomes a period"},
      {&LoopTest::number_, {'2', 110, '5'}, "2.5", "so does the keypad decimal"},
      {&LoopTest::number_, {96, 105}, "09", "keypad digits"},
      {&LoopTest::number_, {'3', 190, '0'}, "3.0", "the period itself"},
      {&LoopTest::number_, {'A', 'x', 189, 109, ' '}, "", "letters, minus signs, space: nothing"},
      {&LoopTest::number_, {'1', '2', 8}, "1", "backspace edits"},
      {&LoopTest::signed_, {109, '4'}, "-4", "the keypad minus gives a sign"},
      {&LoopTest::signed_, {189, '4'}, "4", "the main-row minus does not"},
      {&LoopTest::rounding_, {'7', '8', '9', 103, '5'}, "5", "places stop at 6"},
      {&LoopTest::other_, {'A', 188}, "a,", "other fields take what they get"},
  };
  for (const TypingCase& c : cases) {
    const HWND field = this->*c.field;
    SetWindowTextW(field, L"");
    SetFocus(field);
    EXPECT_EQ(Type(field, c.keys, 0, policy_), 0);
    EXPECT_EQ(WindowTextUtf8(field), c.text) << c.why;
  }
}

TEST_F(LoopTest, ANumberTakesOneDecimalPoint) {
  const struct {
    HWND LoopTest::*field;
    int selFrom, selTo;  // of "1.5"
    std::vector<unsigned> keys;
    const char* text;
    const char* why;
  } cases[] = {
      {&LoopTest::number_, 3, 3, {190, 188, 110, '2'}, "1.52", "no key types a second point"},
      {&LoopTest::signed_, 0, 0, {109, 190}, "-1.5", "nor in a signed field"},
      {&LoopTest::number_, 1, 3, {188, '7'}, "1.7", "the selected point is replaced"},
      {&LoopTest::other_, 3, 3, {190}, "1.5.", "other fields take what they get"},
  };
  for (const auto& c : cases) {
    const HWND field = this->*c.field;
    SetWindowTextW(field, L"1.5");
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, static_cast<WPARAM>(c.selFrom), c.selTo);
    // One key at a time, as typed: each character lands before the next key.
    for (unsigned key : c.keys) Type(field, {key}, 0, policy_);
    EXPECT_EQ(WindowTextUtf8(field), c.text) << c.why;
  }
}

TEST_F(LoopTest, ReturnsTheQuitCode) {
  EXPECT_EQ(Type(number_, {}, 7, policy_), 7);
}

TEST_F(LoopTest, TabMovesTheFocusAlongTheChain) {
  const struct {
    HWND LoopTest::*from;
    HWND LoopTest::*to;
    const char* why;
  } cases[] = {
      {&LoopTest::number_, &LoopTest::combo_, "the next control of the chain"},
      {&LoopTest::combo_, &LoopTest::signed_, "a list passes it on too"},
      {&LoopTest::rounding_, &LoopTest::number_, "after the last comes the first"},
      {&LoopTest::outside_, &LoopTest::outside_, "a control outside the chain keeps it"},
  };
  for (const auto& c : cases) {
    SetFocus(this->*c.from);
    ASSERT_EQ(GetFocus(), this->*c.from) << c.why;
    Type(this->*c.from, {VK_TAB}, 0, policy_);
    EXPECT_EQ(GetFocus(), this->*c.to) << c.why;
  }
  KeyPolicy noChain = policy_;
  noChain.focusChain.clear();
  SetFocus(number_);
  Type(number_, {VK_TAB}, 0, noChain);
  EXPECT_EQ(GetFocus(), number_) << "without a chain Tab moves nothing";
}

TEST_F(LoopTest, F1OpensHelpFromAnyControl) {
  for (HWND field : {number_, rounding_, outside_}) {
    SetFocus(field);
    Type(field, {VK_F1}, 0, policy_);
  }
  ASSERT_EQ(helpOpened_.size(), 3u);
  for (HWND owner : helpOpened_) EXPECT_EQ(owner, window_.Get());
  EXPECT_EQ(WindowTextUtf8(number_), "") << "F1 types nothing";
}

std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = Narrow(chars);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

TEST_F(LoopTest, CtrlCCopiesASelectionOrAsksTheWindowToCopy) {
  KeyPolicy policy = policy_;
  policy.copyTarget = other_;  // an edit asked to copy puts its selection there
  SetWindowTextW(other_, L"a = 4cm");
  SendMessageW(other_, EM_SETSEL, 0, -1);
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] |= 0x80;
  SetKeyboardState(keys);
  SetWindowTextW(number_, L"12");
  SetFocus(number_);
  SendMessageW(number_, EM_SETSEL, 2, 2);
  Type(number_, {'C'}, 0, policy);
  EXPECT_EQ(ClipboardText(), "a = 4cm") << "nothing selected: the window copies";
  SendMessageW(number_, EM_SETSEL, 0, -1);
  Type(number_, {'C'}, 0, policy);
  EXPECT_EQ(ClipboardText(), "12") << "a selection copies itself";
  EXPECT_EQ(WindowTextUtf8(number_), "12") << "Ctrl+C types nothing";
  keys[VK_CONTROL] &= 0x7F;
  SetKeyboardState(keys);
}

TEST(KeyPolicy, TellsTheFieldKinds) {
  KeyPolicy policy;
  const HWND a = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x10));
  const HWND b = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x20));
  const HWND c = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x30));
  policy.numberEdits = {a};
  policy.signedEdits = {b};
  policy.roundingEdit = c;
  EXPECT_EQ(FieldOf(policy, a), KeyField::Number);
  EXPECT_EQ(FieldOf(policy, b), KeyField::SignedNumber);
  EXPECT_EQ(FieldOf(policy, c), KeyField::Rounding);
  EXPECT_EQ(FieldOf(policy, nullptr), KeyField::Other) << "no rounding edit is not null's";
  policy.roundingEdit = nullptr;
  EXPECT_EQ(FieldOf(policy, nullptr), KeyField::Other);
}

TEST(Help, IsOpenedFromBesideTheProgramWhenItLiesThere) {
  const std::wstring name = Widen(HelpFileName);
  EXPECT_EQ(name, L"Pomocn\u00edk.chm");
  wchar_t program[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameW(nullptr, program, MAX_PATH), 0u);
  std::wstring folder(program);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  const std::wstring beside = folder + name;
  ASSERT_EQ(GetFileAttributesW(beside.c_str()), INVALID_FILE_ATTRIBUTES)
      << "a help file left beside the test program";

  EXPECT_EQ(FindHelpFile(), name) << "none beside it: the bare name, for the current directory";

  ASSERT_TRUE(CreateDirectoryW(beside.c_str(), nullptr));
  EXPECT_EQ(FindHelpFile(), name) << "a folder of that name is no help file";
  RemoveDirectoryW(beside.c_str());

  const HANDLE file = CreateFileW(beside.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  EXPECT_EQ(FindHelpFile(), beside);
  DeleteFileW(beside.c_str());
}

TEST(InvalidateResult, MarksOnlyTheRectangleForTheNextPaint) {
  test::TestWindow window;
  ValidateRect(window.Get(), nullptr);
  const RECT result{11, 120, 370, 295};  // inside the test window's client area
  InvalidateResult(window.Get(), result);
  RECT dirty{};
  ASSERT_TRUE(GetUpdateRect(window.Get(), &dirty, FALSE)) << "not painted at once";
  EXPECT_TRUE(EqualRect(&dirty, &result));
  ValidateRect(window.Get(), nullptr);
}

// Closes the message box that ShowRefusal opens, after noting what it shows.
struct BoxSeen {
  bool found = false;
  std::wstring caption;
  std::wstring text;
  bool ownedByTheWindow = false;
  bool informationIcon = false;
  bool okOnly = false;
};

// The icon a message box shows, from whichever static holds one.
HICON ShownIcon(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child) || !test::HasClass(child, L"Static")) continue;
    if (const auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0))) {
      return icon;
    }
  }
  return nullptr;
}

// A visible dialog of this process: tests of other programs may show message
// boxes on the same display at the same time.
HWND OwnMessageBox() {
  for (HWND box = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); box != nullptr;
       box = FindWindowExW(nullptr, box, L"#32770", nullptr)) {
    DWORD process = 0;
    GetWindowThreadProcessId(box, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(box)) return box;
  }
  return nullptr;
}

bool Shown(HWND box, int id) {
  const HWND button = GetDlgItem(box, id);
  return button != nullptr && IsWindowVisible(button);
}

TEST(ShowRefusal, ShowsTheCaptionAndTextInAnInformationBox) {
  test::TestWindow window;
  const Refusal refusal{"Upozornenie", "Zadejte právě dvě strany trojúhelníka."};
  BoxSeen seen;
  const HWND owner = window.Get();
  std::thread closer([&seen, owner] {
    for (int attempt = 0; attempt < 500 && !seen.found; ++attempt) {
      Sleep(10);
      const HWND box = OwnMessageBox();
      if (box == nullptr) continue;
      seen.found = true;
      wchar_t buffer[256] = {};
      GetWindowTextW(box, buffer, 256);
      seen.caption = buffer;
      GetDlgItemTextW(box, 0xFFFF, buffer, 256);
      seen.text = buffer;
      seen.ownedByTheWindow = GetWindow(box, GW_OWNER) == owner;
      seen.informationIcon = ShownIcon(box) == LoadIconW(nullptr, IDI_INFORMATION);
      seen.okOnly = Shown(box, IDOK) && !Shown(box, IDCANCEL) && !Shown(box, IDNO);
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
  });
  ShowRefusal(owner, refusal);
  closer.join();
  ASSERT_TRUE(seen.found);
  EXPECT_EQ(Narrow(seen.caption), refusal.caption);
  EXPECT_EQ(Narrow(seen.text), refusal.text);
  EXPECT_TRUE(seen.ownedByTheWindow);
  EXPECT_TRUE(seen.informationIcon);
  EXPECT_TRUE(seen.okOnly);
}

// A main window whose procedure is the common part alone.
CommonWindowState g_state;
std::vector<HWND> g_helpClicks;
void RecordClick(HWND owner) { g_helpClicks.push_back(owner); }

LRESULT CALLBACK CommonProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  LRESULT result = 0;
  if (HandleCommonMessage(window, message, w, l, g_state, Instance(), result)) return result;
  return DefWindowProcW(window, message, w, l);
}

TEST(HandleCommonMessage, HandlesTheMessagesAllWindowsShare) {
  const std::string keyName = test::UniqueName("Common");
  ASSERT_TRUE(RegisterMainClass(Instance(), keyName, CommonProc));
  g_state = CommonWindowState{};
  g_state.helpRegion = RECT{470, 10, 505, 41};
  g_state.openHelp = RecordClick;
  g_helpClicks.clear();
  const HWND window = CreateCenteredMainWindow(Instance(), keyName, "Trigona", 525, 500);
  ASSERT_NE(window, nullptr);

  const HWND label = ControlFactory(Instance(), window).CreateLabel("odvěsna a", 12, 77, 50, 20);
  {
    const WindowDC labelDc(label);
    const auto colour = [&] {
      return SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(labelDc.Dc()),
                          reinterpret_cast<LPARAM>(label));
    };
    EXPECT_NE(colour(), 0) << "without a brush the default colours stay";
    g_state.whiteBrush.Reset(CreateSolidBrush(RGB(255, 255, 255)));
    EXPECT_EQ(colour(), reinterpret_cast<LRESULT>(g_state.whiteBrush.Get()));
    g_state.whiteBrush.Reset();
  }

  const struct {
    int x, y;
    bool normalShown, hoverShown;
  } moves[] = {{480, 20, false, true}, {100, 100, true, false}, {480, 20, false, true},
               {490, 30, false, true}, {504, 40, false, true},  {505, 41, true, false}};
  for (const auto& m : moves) {
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(m.x, m.y));
    EXPECT_EQ(g_state.normalShown, m.normalShown) << m.x << ", " << m.y;
    EXPECT_EQ(g_state.hoverShown, m.hoverShown) << m.x << ", " << m.y;
  }

  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
  EXPECT_TRUE(g_helpClicks.empty()) << "a click beside the icon";
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(480, 20));
  ASSERT_EQ(g_helpClicks.size(), 1u) << "a click on the icon";
  EXPECT_EQ(g_helpClicks[0], window);

  DestroyWindow(window);
  UnregisterClassW(Widen(MainClassName(keyName)).c_str(), Instance());
}

TEST(HandleCommonMessage, TheIconTurnsNormalWhenTheMouseLeavesTheWindowFromIt) {
  const std::string keyName = test::UniqueName("Leave");
  ASSERT_TRUE(RegisterMainClass(Instance(), keyName, CommonProc));
  g_state = CommonWindowState{};
  g_state.helpRegion = RECT{470, 10, 505, 41};
  const HWND window = CreateCenteredMainWindow(Instance(), keyName, "Trigona", 525, 500);
  ASSERT_NE(window, nullptr);
  ShowMainWindow(window);
  POINT icon{480, 20};
  ClientToScreen(window, &icon);
  SetCursorPos(icon.x, icon.y);
  // The system's own moves go to the window under the real cursor; these
  // stand for the pupil's path from the window's middle onto the icon.
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(480, 20));
  ASSERT_TRUE(g_state.hoverShown);

  // Off the window in one jump: no move arrives outside the icon.
  RECT frame{};
  GetWindowRect(window, &frame);
  SetCursorPos(frame.right + 20, frame.bottom + 20);
  for (int waited = 0; waited < 2000 && !g_state.normalShown; waited += 20) {
    test::PumpMessages();
    Sleep(20);
  }
  EXPECT_TRUE(g_state.normalShown);
  EXPECT_FALSE(g_state.hoverShown);
  {
    const WindowDC dc(window);
    EXPECT_EQ(GetPixel(dc.Dc(), 480, 20), RGB(255, 0, 0)) << "the normal picture";
  }
  DestroyWindow(window);
  UnregisterClassW(Widen(MainClassName(keyName)).c_str(), Instance());
}

TEST(DrawHelpIcon, DrawsTheNormalPictureAtTheRegion) {
  test::TestWindow window;
  CommonWindowState state;
  state.helpRegion = RECT{100, 10, 135, 41};
  state.hoverShown = true;  // a repaint under a resting mouse still shows the normal one
  const WindowDC dc(window.Get());
  DrawHelpIcon(dc.Dc(), Instance(), state);
  EXPECT_EQ(GetPixel(dc.Dc(), 100, 10), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc.Dc(), 134, 40), RGB(255, 0, 0));
  EXPECT_NE(GetPixel(dc.Dc(), 135, 40), RGB(255, 0, 0));
  EXPECT_TRUE(state.hoverShown) << "drawing does not touch the hover flags";
}

}  // namespace
}  // namespace prolexa

namespace prolexa {
namespace {

TEST(KeptOnScreen, MovesAWindowBackOntoTheWorkAreaButNotPastItsTopLeft) {
  RECT area{};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0));
  const LONG w = area.right - area.left, h = area.bottom - area.top;
  const struct {
    RECT place, kept;
    const char* why;
  } cases[] = {
      {{area.left + 10, area.top + 10, area.left + 110, area.top + 60},
       {area.left + 10, area.top + 10, area.left + 110, area.top + 60}, "inside: as it was"},
      {{area.right - 50, area.bottom - 20, area.right + 50, area.bottom + 80},
       {area.right - 100, area.bottom - 100, area.right, area.bottom}, "past the corner"},
      {{area.left + 30, area.top + 40, area.left + 30 + w + 200, area.top + 40 + h + 100},
       {area.left, area.top, area.left + w + 200, area.top + h + 100}, "larger than the area"},
  };
  for (const auto& c : cases) {
    const RECT kept = KeptOnScreen(c.place);
    EXPECT_TRUE(EqualRect(&kept, &c.kept)) << c.why;
  }
}

}  // namespace
}  // namespace prolexa
