// Drives a real program of the suite as a user would: starts it, finds its
// controls, types keys through its own message loop, clicks buttons, reads
// message boxes, the drawn pixels and the registry after it has ended.
//
// Keys are posted as WM_KEYDOWN so that they pass the program's keyboard
// filter and TranslateMessage exactly as typed keys do; buttons are clicked
// with a posted BM_CLICK, which does not block while the program sits in a
// modal message box.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace prolexa::e2e {

// The folder of the programs under test, given to the test program as its
// first argument.
const std::wstring& ProgramFolder();
void SetProgramFolder(std::wstring folder);

// A path as the test receives it (a Unix path under Wine) made usable by
// CreateProcessW.
std::wstring WindowsPath(std::string_view path);

// The window class a window was made of.
std::wstring ClassOf(HWND window);

struct MessageBoxInfo {
  HWND window = nullptr;
  std::string caption;
  std::string text;
};

// Counts of the pixels in a rectangle of a window's client area.
struct PixelCount {
  int total = 0;
  int dark = 0;  // drawn in ink: each channel below 128
  int notWhite = 0;
};

class Program {
 public:
  // Starts the program and waits for its visible main window of the class.
  // It runs in its own folder unless another current directory is given.
  Program(const std::wstring& exe, const std::wstring& windowClass,
          const std::wstring& currentDirectory = {});
  // A program another one started, taken over by its main window: it ends
  // with this object as one started here does.
  explicit Program(HWND main);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return main_ != nullptr; }
  HWND Main() const { return main_; }
  DWORD ProcessId() const { return process_.dwProcessId; }

  // The child control of a class whose top-left corner stands at (x, y) of
  // the main window's client area, a shown one before a hidden one (a form
  // may hide a row where another moves); nullptr when there is none.
  HWND Control(const wchar_t* windowClass, int x, int y) const;
  // The visible one nearest to (x, y) within `tolerance` pixels each way: a
  // place scaled from 96 DPI may be rounded either way.
  HWND ControlNear(const wchar_t* windowClass, int x, int y, int tolerance) const;
  std::vector<HWND> Controls() const;
  // The first child control of a class, wherever it stands.
  HWND ControlOfClass(const wchar_t* windowClass) const;
  // Clicks the upper (up) or lower (down) arrow of an up-down control.
  void ClickSpinner(HWND spinner, bool up);

  std::string Text(HWND control) const;
  // The control that has the keyboard focus in the program.
  HWND FocusedControl() const;
  // Sets a text as a paste would, bypassing the keyboard.
  void SetText(HWND control, std::string_view text);

  // Clicks into a control (which takes the focus), then types keys.
  void Focus(HWND control);
  void PressKey(HWND control, UINT virtualKey);
  // Types a key with a modifier (VK_CONTROL, VK_SHIFT) held on the real
  // keyboard, the program's window brought to the front: the program reads
  // the modifier's state, which posted keys do not set.
  void PressWith(UINT modifier, UINT virtualKey);
  // Types the characters of a text: digits, letters, '.', ',' and '-' of
  // the main keyboard.
  void Type(HWND control, std::string_view text);
  void Click(HWND button);
  void MoveMouse(int x, int y);
  // Marks the whole main window for repainting, as the system does when a
  // covered window is uncovered (Wine keeps a copy of the window's pixels and
  // shows it again without asking the program, so covering it does not).
  void Invalidate();
  void ClickAt(int x, int y);
  // Presses the right button at one point and lets it go at another.
  void RightDrag(int fromX, int toX, int y);

  // Waits until the program has handled what was sent to it.
  void Settle() const;

  // The first visible message box of the program, waiting up to `ms`.
  std::optional<MessageBoxInfo> WaitMessageBox(int ms = 3000) const;
  std::optional<HWND> WaitTopWindow(const wchar_t* windowClass, int ms = 3000) const;
  // How many visible top-level windows of a class the program shows.
  int CountTopWindows(const wchar_t* windowClass) const;
  void CloseMessageBox(const MessageBoxInfo& box);
  // Clicks a button and takes the message box it brings up within `ms`:
  // reads it, closes it with OK and returns what it said; nothing when no
  // box came.
  std::optional<MessageBoxInfo> ClickForMessageBox(HWND button, int ms = 3000);
  // Closes a dialog as its close box or Esc does; true once it is gone.
  bool CancelDialog(HWND dialog);
  // A visible top-level window of a class in any process (the help viewer
  // runs in its own).
  static std::optional<HWND> WaitAnyTopWindow(const wchar_t* windowClass, int ms = 5000);

  // The pixels of a rectangle of the main window's client area as shown,
  // row by row from the top, each 0xRRGGBB.
  std::vector<COLORREF> Pixels(const RECT& client) const;
  // Counts of the pixels of a rectangle of the client area as shown.
  PixelCount CountPixels(const RECT& client) const;
  // A fingerprint of the pixels of a rectangle, to tell two drawings apart.
  unsigned long long PixelHash(const RECT& client) const;
  // The smallest rectangle of the client area holding every pixel drawn in
  // ink inside `client`; an empty one where there is none.
  RECT InkBounds(const RECT& client) const;

  // Closes the main window and waits for the process to end.
  bool Close(DWORD* exitCode = nullptr, int ms = 5000);
  bool Exited(int ms, DWORD* exitCode = nullptr) const;

 private:
  PROCESS_INFORMATION process_{};
  HWND main_ = nullptr;
  bool closed_ = false;
};

// What the clipboard holds: its text, and its picture (a device-independent
// bitmap) as pixels row by row from the top, each 0xRRGGBB.
struct ClipboardContent {
  std::string text;
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;
};
ClipboardContent ReadClipboard();
// The share of two pictures' pixels that are alike, from 0 to 1; 0 for
// pictures of different sizes.
double SameShare(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b);
void EmptyTheClipboard();

// What a program file carries: the size of a bitmap resource, and whether a
// resource of a type is there.
std::optional<SIZE> BitmapResourceSize(const std::wstring& exe, int id);
bool HasResource(const std::wstring& exe, int id, const wchar_t* type);

// Registry helpers on the current user's part, for checking what a program
// stored and for starting it from a known state.
void DeleteKey(const std::string& path);
std::optional<DWORD> ReadDword(const std::string& path, const std::string& name);
void WriteDword(const std::string& path, const std::string& name, DWORD value);

// A click of the real mouse at a point of the screen, the button held for
// `holdMs`: the window system gives the press and the release each to the
// window under the pointer at its time, as it does a pupil's click.
void MouseClickAtScreen(POINT screen, int holdMs = 150);

// The DPI the test's screen has, as the programs see it.
int ScreenDpi();
// Closes every visible top-level window of a class, in any process (a
// calculator the launcher started).
void CloseTopWindows(const wchar_t* windowClass);

// How many processes of a program file (such as L"Trigona.exe") run.
int ProcessCount(const wchar_t* exeName);

// The font a dialog template of a program file gives its controls, as the
// dialog manager makes it (another process's font handle cannot be read);
// nothing when the template names none.
std::optional<LOGFONTW> DialogFont(const std::wstring& exe, int templateId);
// The size of a text drawn in a font.
SIZE TextExtent(const LOGFONTW& font, std::string_view text);

}  // namespace prolexa::e2e
