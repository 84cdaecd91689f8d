#include "app_shell.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>

#include "../res/calculator_resources.h"
#include "control_factory.h"
#include "utf.h"

namespace prolexa {
namespace {

bool Contains(const std::vector<HWND>& windows, HWND window) {
  return std::find(windows.begin(), windows.end(), window) != windows.end();
}

// The full path of the running program, however long.
std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(path.size());
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), size);
    if (length == 0) return {};
    // A cut path fills the whole buffer: try again with more room.
    if (length < size) {
      path.resize(length);
      return path;
    }
    if (path.size() > 32768) return {};
    path.resize(path.size() * 2);
  }
}

// Hidden controls (the rows an exercise does not use) are passed over.
// Whether a window is an edit control with some of its text selected.
// Whether a window is of a system class, "Edit" or "Button".
bool OfClass(HWND window, const wchar_t* className) {
  wchar_t name[16] = {};
  return window != nullptr && GetClassNameW(window, name, 16) != 0 &&
         lstrcmpiW(name, className) == 0;
}

bool HoldsSelection(HWND window) {
  if (!OfClass(window, L"Edit")) return false;
  DWORD first = 0;
  DWORD last = 0;
  SendMessageW(window, EM_GETSEL, reinterpret_cast<WPARAM>(&first),
               reinterpret_cast<LPARAM>(&last));
  return first != last;
}

// Whether a window is a push button (one the program draws included), not a
// check box or a radio button.
bool IsPushButton(HWND window) {
  if (!OfClass(window, L"Button")) return false;
  const LONG type = GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW;
}

// Shift+Tab goes the other way.
void MoveFocusAlongChain(const std::vector<HWND>& chain, bool back) {
  const auto current = std::find(chain.begin(), chain.end(), GetFocus());
  if (current == chain.end()) return;
  auto next = current;
  do {
    if (back) {
      next = next == chain.begin() ? chain.end() - 1 : next - 1;
    } else {
      next = next + 1 == chain.end() ? chain.begin() : next + 1;
    }
  } while (next != current && !IsWindowVisible(*next));
  SetFocus(*next);
}

}  // namespace

bool InitCommonControlsForSuite() {
  INITCOMMONCONTROLSEX init{};
  init.dwSize = sizeof init;
  init.dwICC = ICC_WIN95_CLASSES;
  return InitCommonControlsEx(&init) != FALSE;
}

std::string MainClassName(std::string_view keyName) {
  std::string name = "Tolvek-00-";
  name += keyName;
  return name;
}

bool RegisterMainClass(HINSTANCE instance, std::string_view keyName, WNDPROC windowProc) {
  const std::wstring className = Widen(MainClassName(keyName));
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP));
  windowClass.hIconSm = windowClass.hIcon;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = className.c_str();
  return RegisterClassExW(&windowClass) != 0;
}

HWND CreateCenteredMainWindow(HINSTANCE instance, std::string_view keyName,
                              std::string_view caption, int w, int h, void* state,
                              DisplayScale scale) {
  w = scale(w);
  h = scale(h);
  // Integer division truncating towards zero, as the windows have always
  // been placed (a window larger than the screen gets a negative origin).
  const int x = (GetSystemMetrics(SM_CXFULLSCREEN) - w) / 2;
  const int y = (GetSystemMetrics(SM_CYFULLSCREEN) - h) / 2;
  return CreateWindowExW(0, Widen(MainClassName(keyName)).c_str(), Widen(caption).c_str(),
                         WS_OVERLAPPED | WS_SYSMENU | WS_MINIMIZEBOX, x, y, w, h, nullptr,
                         nullptr, instance, state);
}

RECT KeptOnScreen(const RECT& place) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST), &monitor)) return place;
  const RECT& area = monitor.rcWork;
  // Past the right or bottom edge it moves back, but never past the left
  // or top one: a window larger than the screen keeps its caption in view.
  const LONG dx = std::max<LONG>(std::min<LONG>(area.right - place.right, 0),
                                 area.left - place.left);
  const LONG dy = std::max<LONG>(std::min<LONG>(area.bottom - place.bottom, 0),
                                 area.top - place.top);
  return {place.left + dx, place.top + dy, place.right + dx, place.bottom + dy};
}

RECT GrownFromCorner(HWND window, DisplayScale scale, int w, int h) {
  RECT place{};
  GetWindowRect(window, &place);
  return KeptOnScreen({place.left, place.top, place.left + scale(w), place.top + scale(h)});
}

void ShowMainWindow(HWND window) {
  // A wait that returns at once marks the program idle. Wine puts a window's
  // painting on the screen at every EndPaint once the program has been busy
  // for 50 ms, but otherwise when the message loop next waits: from here the
  // window and its controls then reach the screen together rather than
  // control by control. To Windows it is a look at the queue.
  MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
  ShowWindow(window, SW_SHOW);
  // Showing a window takes a few milliseconds of those 50, which a larger
  // window's painting (at a higher DPI) needs: the count starts anew.
  MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
  // The controls too, before anything else happens: otherwise each paints
  // itself when the message loop comes to it, and the window fills in
  // piece by piece.
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

std::wstring ProgramFolder() {
  const std::wstring program = ModulePath();
  const std::size_t slash = program.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : program.substr(0, slash + 1);
}

namespace {

// The full path of a file at a path below the program's folder, or empty
// where there is no such file.
std::wstring FileBesideProgram(const std::wstring& relative) {
  const std::wstring folder = ProgramFolder();
  if (folder.empty()) return {};
  const std::wstring path = folder + relative;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return {};
  return path;
}

}  // namespace

std::wstring FindHelpFile() {
  const std::wstring name = Widen(HelpFileName);
  const std::wstring beside = FileBesideProgram(name);
  return beside.empty() ? name : beside;
}

namespace {
std::wstring g_helpPage;

// The folder beside the programs that holds the help file's pages as plain
// HTML (trigona.html, style.css, img/), for systems without a help viewer.
constexpr wchar_t kHelpPagesFolder[] = L"help\\";

// Wine's own ntdll exports its version; Windows' ntdll has no such export.
bool RunsUnderWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The page as plain HTML in the help pages folder beside the program, or
// empty where that folder does not hold it (a suite copied without it).
std::wstring FindHelpPage(const std::wstring& page) {
  return FileBesideProgram(kHelpPagesFolder + page);
}
}  // namespace

void SetHelpPage(std::string_view page) { g_helpPage = Widen(page); }

void OpenHelp(HWND owner) {
  // Wine's help viewer has no HTML engine on most systems and shows an empty
  // window; its shell hands an .html file to the desktop's own browser.
  // A prefix made without Wine's HTML engine knows no program for .html at
  // all (the engine registers the type), so the page then goes to Wine's
  // browser bridge by name.
  if (RunsUnderWine()) {
    const std::wstring page = FindHelpPage(g_helpPage.empty() ? L"index.html" : g_helpPage);
    if (!page.empty()) {
      const HINSTANCE opened = ShellExecuteW(owner, L"open", page.c_str(), nullptr, nullptr,
                                             SW_SHOW);
      if (reinterpret_cast<INT_PTR>(opened) <= 32) {
        const std::wstring quoted = L"\"" + page + L"\"";
        ShellExecuteW(owner, L"open", L"winebrowser.exe", quoted.c_str(), nullptr, SW_SHOW);
      }
      return;
    }
  }
  if (g_helpPage.empty()) {
    ShellExecuteW(owner, L"open", FindHelpFile().c_str(), L"", L"", SW_SHOW);
    return;
  }
  // The viewer opens a page of a compiled help file named as file::/page.
  const std::wstring topic = L"\"" + FindHelpFile() + L"::/" + g_helpPage + L"\"";
  ShellExecuteW(owner, L"open", L"hh.exe", topic.c_str(), L"", SW_SHOW);
}

KeyField FieldOf(const KeyPolicy& policy, HWND window) {
  if (window == nullptr) return KeyField::Other;
  if (Contains(policy.numberEdits, window)) return KeyField::Number;
  if (Contains(policy.signedEdits, window)) return KeyField::SignedNumber;
  if (Contains(policy.digitEdits, window)) return KeyField::Digits;
  if (window == policy.roundingEdit) return KeyField::Rounding;
  return KeyField::Other;
}

TextAroundSelection SplitAtSelection(HWND edit) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
  const int length = GetWindowTextW(edit, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(std::max(length, 0)));
  DWORD first = 0;
  DWORD last = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
  const std::size_t end = std::min<std::size_t>(last, text.size());
  const std::size_t start = std::min<std::size_t>(first, end);
  return {Narrow(text.substr(0, start)), Narrow(text.substr(end))};
}

int RunMessageLoop(const KeyPolicy& policy) {
  MSG message{};
  // GetMessageW answers -1 on an error; a plain truth test would then spin.
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_KEYDOWN) {
      const KeyField field = FieldOf(policy, message.hwnd);
      const ClipboardKey clipboard =
          ClipboardShortcut(static_cast<unsigned>(message.wParam), GetKeyState(VK_CONTROL) < 0,
                            GetKeyState(VK_SHIFT) < 0);
      const ZoomKey zoom =
          ZoomShortcut(static_cast<unsigned>(message.wParam), GetKeyState(VK_CONTROL) < 0);
      if (zoom != ZoomKey::None && policy.zoomTarget != nullptr) {
        SendMessageW(policy.zoomTarget, ZoomMessage, static_cast<WPARAM>(zoom), 0);
        continue;
      }
      if (message.wParam == VK_TAB) {
        MoveFocusAlongChain(policy.focusChain, GetKeyState(VK_SHIFT) < 0);
      } else if (message.wParam == VK_RETURN && field != KeyField::Other &&
                 policy.enterButton != nullptr) {
        // As the button's own click would, but without taking the focus
        // from the field.
        SendMessageW(GetParent(policy.enterButton), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                     reinterpret_cast<LPARAM>(policy.enterButton));
        continue;
      } else if (message.wParam == VK_RETURN && IsPushButton(message.hwnd)) {
        // As in a dialog: Enter presses the button the keyboard is on.
        SendMessageW(message.hwnd, BM_CLICK, 0, 0);
        continue;
      } else if (message.wParam == VK_F1) {
        if (policy.openHelp != nullptr) policy.openHelp(policy.helpOwner);
      } else if (clipboard == ClipboardKey::Copy) {
        if (!HoldsSelection(message.hwnd) && policy.copyTarget != nullptr) {
          SendMessageW(policy.copyTarget, WM_COPY, 0, 0);
          continue;
        }
      } else if (clipboard != ClipboardKey::None && field != KeyField::Other) {
        // The filter would drop the shortcut's letter or Insert; the edit
        // cuts or pastes itself, a paste through the field's paste filter.
        SendMessageW(message.hwnd, clipboard == ClipboardKey::Paste ? WM_PASTE : WM_CUT, 0, 0);
        continue;
      } else {
        const bool number = field == KeyField::Number || field == KeyField::SignedNumber;
        const TextAroundSelection kept =
            number ? SplitAtSelection(message.hwnd) : TextAroundSelection{};
        const std::optional<unsigned> key =
            FilterKey(static_cast<unsigned>(message.wParam), field, kept.before + kept.after);
        if (!key) continue;
        message.wParam = *key;
      }
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

void InvalidateResult(HWND window, const RECT& rect) {
  RedrawWindow(window, &rect, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void NotifyWhenMouseLeaves(HWND window) {
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = window;
  TrackMouseEvent(&track);
}

void ShowRefusal(HWND owner, const Refusal& refusal) {
  MessageBoxW(owner, Widen(refusal.text).c_str(), Widen(refusal.caption).c_str(),
              MB_OK | MB_ICONINFORMATION);
}

namespace {

HoverDrawn TrackHelpIcon(HWND window, HINSTANCE instance, CommonWindowState& state,
                         POINT mouse) {
  const RECT& place = state.helpRegion;
  return ControlFactory(instance, window, state.scale)
      .TrackHover(place, mouse, state.normalShown, state.hoverShown, IDB_HELP, IDB_HELP_HOVER,
                  place.left, place.top, place.right - place.left, place.bottom - place.top);
}

}  // namespace

bool HandleCommonMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                         CommonWindowState& state, HINSTANCE instance, LRESULT& result) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
      // Before WM_CREATE and after WM_CLOSE there is no brush: the default
      // colours are better than a null or deleted one.
      if (!state.whiteBrush) return false;
      if (state.palette.system) {
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, state.palette.text);
        SetBkColor(dc, state.palette.window);
      }
      result = reinterpret_cast<LRESULT>(state.whiteBrush.Get());
      return true;
    case WM_MOUSEMOVE: {
      if (state.palette.system) return false;
      const POINT mouse = state.scale.Unscaled({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      const HoverDrawn drawn = TrackHelpIcon(window, instance, state, mouse);
      if (drawn == HoverDrawn::Hover) NotifyWhenMouseLeaves(window);
      return false;
    }
    case WM_MOUSELEAVE: {
      if (state.palette.system) return false;
      const RECT& place = state.helpRegion;
      TrackHelpIcon(window, instance, state, POINT{place.left - 1, place.top - 1});
      return false;
    }
    case WM_LBUTTONDOWN: {
      const POINT mouse = state.scale.Unscaled({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      if (PtInRect(&state.helpRegion, mouse) && state.openHelp != nullptr) state.openHelp(window);
      return false;
    }
    default:
      return false;
  }
}

void DrawHelpIcon(HDC dc, HINSTANCE instance, const CommonWindowState& state) {
  const RECT& place = state.helpRegion;
  if (state.palette.system) {
    // A framed "?" in the band's colours instead of the picture.
    const GdiBrush face(CreateSolidBrush(state.palette.face));
    FillRect(dc, &place, face.Get());
    const GdiBrush frame(CreateSolidBrush(state.palette.faceText));
    FrameRect(dc, &place, frame.Get());
    RECT inside = place;
    SetTextColor(dc, state.palette.faceText);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, L"?", 1, &inside, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    return;
  }
  ControlFactory(instance, nullptr)
      .DrawBitmap(dc, IDB_HELP, place.left, place.top, place.right - place.left,
                  place.bottom - place.top);
}

void PaintFrame(HDC dc, HINSTANCE instance, const CalculatorFrame& frame, std::string_view title,
                const CommonWindowState& state) {
  const ControlFactory factory(instance, nullptr);
  // The bands cover every column up to and including the window's width.
  const RECT top{0, 0, frame.width + 1, HeaderBandHeight};
  const RECT bottom{0, frame.height - FooterBandHeight, frame.width + 1, frame.height};
  if (state.palette.system) {
    const GdiBrush face(CreateSolidBrush(state.palette.face));
    FillRect(dc, &top, face.Get());
    FillRect(dc, &bottom, face.Get());
    SetTextColor(dc, state.palette.faceText);
  } else {
    factory.DrawBand(dc, IDB_BAND_TOP, top.left, top.right, top.top, HeaderBandHeight);
    factory.DrawBand(dc, IDB_BAND_BOTTOM, bottom.left, bottom.right, bottom.top,
                     FooterBandHeight);
  }
  // The address ends near the right edge in the footer band's visible part.
  factory.DrawTitleBanner(dc, title, frame.titleX, static_cast<int>(CharacterCount(title)),
                          frame.width - 80, frame.height - 60);
  DrawHelpIcon(dc, instance, state);
}

}  // namespace prolexa
