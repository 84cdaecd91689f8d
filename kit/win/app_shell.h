// The skeleton every calculator shares: start-up (common controls, window
// class, centred main window), the message loop with its keyboard filter,
// the messages all main windows treat alike, help, and refusals.
//
// The calculator form (calculator_form.h) builds on these; the launcher
// uses them directly.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "display_scale.h"
#include "key_filter.h"
#include "palette.h"
#include "scoped.h"
#include "solution.h"
#include "wide.h"

namespace prolexa {

// InitCommonControlsEx with the Windows 95 classes (the up-down control).
bool InitCommonControlsForSuite();

// "Tolvek-00-" followed by the program's key name.
std::string MainClassName(std::string_view keyName);

// Registers the main window class: double clicks, icon IDI_APP as both icons, the
// arrow cursor, a white background.
bool RegisterMainClass(HINSTANCE instance, std::string_view keyName, WNDPROC windowProc);

// A fixed-size main window (caption, system menu and minimize box; no
// resizing, no maximising) of w x h 96-DPI pixels at the given scale,
// centred on the work area. It is
// created hidden: ShowMainWindow shows it once its controls exist, so that
// it appears whole rather than filling in control by control. `state` is
// the window procedure's lpCreateParams on WM_NCCREATE and WM_CREATE: the
// object behind the window.
HWND CreateCenteredMainWindow(HINSTANCE instance, std::string_view keyName,
                              std::string_view caption, int w, int h, void* state = nullptr,
                              DisplayScale scale = {});

// A window's place moved up and left as far as needed (and possible) for
// it to lie on its screen's work area, keeping its size: a window made
// larger from its corner stays in view.
RECT KeptOnScreen(const RECT& place);
// Where a window of w x h 96-DPI pixels stands at a new scale: from its
// present top left corner, kept on the screen.
RECT GrownFromCorner(HWND window, DisplayScale scale, int w, int h);

// The object a window procedure's window was created with (`state` above):
// kept in the window's GWLP_USERDATA from WM_NCCREATE on, so that each
// window of a process finds its own; null for the few messages before.
template <class State>
State* CreationState(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  return reinterpret_cast<State*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// Shows a main window built hidden and paints it, controls included, at once.
void ShowMainWindow(HWND window);

// The folder of the running program, with its final separator: the suite's
// programs and help file lie there together.
std::wstring ProgramFolder();

// The suite's help file, "Pomocník.chm".
inline constexpr std::string_view HelpFileName = "Pomocník.chm";

// Where the help file is opened from: beside the program's own .exe when it
// lies there, so that help works whatever the current directory is; else the
// bare name, which the shell looks up in the current directory (where the
// launcher starts the calculators).
std::wstring FindHelpFile();

// The page of the help file this program opens, such as "trigona.html";
// the file's own start page until a program names one.
void SetHelpPage(std::string_view page);

// Opens the help file on the program's page through the help viewer; under
// Wine, which has no engine for the viewer, the same page of the HTML help
// beside the program in the desktop's browser. A missing file is ignored.
void OpenHelp(HWND owner);

// What the message loop needs to know about the main window's controls.
struct KeyPolicy {
  // Tab moves the focus to the next visible control of this list (after the
  // last comes the first); a control not in the list keeps the focus. Empty:
  // Tab is passed on untouched.
  std::vector<HWND> focusChain;
  std::vector<HWND> numberEdits;  // digits, editing keys, the decimal point
  std::vector<HWND> signedEdits;  // the same and the keypad minus
  std::vector<HWND> digitEdits;   // digits and editing keys only
  HWND roundingEdit = nullptr;    // 7, 8 and 9 dropped
  HWND helpOwner = nullptr;       // owner of the help window opened by F1
  // Enter in any of the edits above clicks this button, as a pupil expects
  // of "OK"; the focus stays in the field.
  HWND enterButton = nullptr;
  // Ctrl+C sends this window WM_COPY unless an edit with the focus holds a
  // selection, which it then copies itself.
  HWND copyTarget = nullptr;
  // What F1 does; tests put a recorder here.
  void (*openHelp)(HWND owner) = OpenHelp;
  // Ctrl with Plus, Minus or 0 sends this window ZoomMessage, in any field.
  HWND zoomTarget = nullptr;
};

// Sent to a program's main window for a zoom key: wParam is the ZoomKey.
inline constexpr UINT ZoomMessage = WM_APP + 10;

// The kind of field a window is for the keyboard filter.
KeyField FieldOf(const KeyPolicy& policy, HWND window);

// An edit's text before and after its selection: what a typed or pasted
// text that replaces the selection leaves standing.
struct TextAroundSelection {
  std::string before;
  std::string after;
};
TextAroundSelection SplitAtSelection(HWND edit);

// Runs the thread's message loop until WM_QUIT and returns its exit code.
// Key presses are filtered for the window they are sent to (the control with
// the focus): a dropped key is neither translated nor dispatched, a rewritten
// one (comma to period) goes on as the new key. In a filtered field the
// clipboard shortcuts cut and paste through the edit's own messages, so that
// a paste passes its filter.
int RunMessageLoop(const KeyPolicy& policy);

// Invalidates a rectangle (with erase) for the next WM_PAINT to redraw;
// nothing is painted now.
void InvalidateResult(HWND window, const RECT& rect);

// Asks the system to send the window WM_MOUSELEAVE once the mouse has left
// it: a mouse that leaves straight from a hover picture sends no move
// outside it.
void NotifyWhenMouseLeaves(HWND window);

// Shows a refused input as the modal information box owned by the window.
void ShowRefusal(HWND owner, const Refusal& refusal);

// State that every main window keeps for the common messages.
struct CommonWindowState {
  // Background of the labels and check boxes, in the palette's window
  // colour. The window procedure creates it on WM_CREATE and deletes it on
  // WM_CLOSE.
  GdiBrush whiteBrush;
  // The screen's scale the window is drawn at, and its colours.
  DisplayScale scale{};
  Palette palette{};
  // The help icon's place at 96 DPI, also where its bitmaps are drawn.
  RECT helpRegion{};
  bool normalShown = false;
  bool hoverShown = true;
  // What a click on the help icon does; tests put a recorder here.
  void (*openHelp)(HWND owner) = OpenHelp;
};

// Handles the part of a message that every main window shares (mouse
// positions are taken as 96-DPI places at the state's scale):
// - WM_CTLCOLORSTATIC: answers with the background brush, and in the
//   system's colours sets the text's (handled; while there is no brush the
//   default colours stay);
// - WM_MOUSEMOVE: swaps the help icon for its hover picture and back (not
//   in the system's colours, which show no pictures);
// - WM_MOUSELEAVE: the normal picture again when the mouse left the window
//   from the icon;
// - WM_LBUTTONDOWN: opens help when the click is on the help icon.
// Returns true when the message is fully handled and `result` is the answer;
// false when the window procedure goes on with its own handling and then
// DefWindowProcW (mouse messages still get their default processing).
bool HandleCommonMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                         CommonWindowState& state, HINSTANCE instance, LRESULT& result);

// Draws the normal help icon at its place; the paint handler calls this on
// every WM_PAINT, so a repaint under a resting mouse shows the normal icon.
void DrawHelpIcon(HDC dc, HINSTANCE instance, const CommonWindowState& state);

// What every calculator window draws around its own content: the header band
// (IDB_BAND_TOP, 65 rows) and the footer band (IDB_BAND_BOTTOM, the window's
// last 97 rows) across the whole width, the title large in the header band
// from titleX on, the maker's address at a fixed distance from the window's
// bottom right corner, and the help icon (IDB_HELP, IDB_HELP_HOVER under the
// mouse).
struct CalculatorFrame {
  int width = 0;
  int height = 0;
  int titleX = 0;
};

inline constexpr int HeaderBandHeight = 65;
inline constexpr int FooterBandHeight = 97;

// Leaves the context's background mode transparent for what follows.
void PaintFrame(HDC dc, HINSTANCE instance, const CalculatorFrame& frame, std::string_view title,
                const CommonWindowState& state);

}  // namespace prolexa
