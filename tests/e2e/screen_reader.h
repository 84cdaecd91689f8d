// A screen reader as the tests play it: the accessible object of a window,
// asked as a reader asks it (from this process or another), and the
// WinEvents a reader's hook hears.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>
#include <vector>

namespace prolexa::e2e {

class ScreenReader {
 public:
  explicit ScreenReader(HWND window);
  ~ScreenReader();
  ScreenReader(const ScreenReader&) = delete;
  ScreenReader& operator=(const ScreenReader&) = delete;

  // The object; null when the window gave none.
  IAccessible* object = nullptr;

  static VARIANT Child(long id);
  // What the object says of a child (CHILDID_SELF: of itself): "" or -1
  // when it says nothing.
  std::string Name(long child) const;
  std::string Value(long child) const;
  long Role(long child) const;
  long State(long child) const;
  bool Focused(long child) const { return (State(child) & STATE_SYSTEM_FOCUSED) != 0; }
  long ChildCount() const;
  // The focused child, -1 for none.
  long FocusedChild() const;
  // What it says of each child, walking them as accNavigate leads:
  // "name role default-action".
  std::vector<std::string> Children() const;
};

// The name a screen reader gives a control.
std::string AccessibleName(HWND control);

// The WinEvents raised for the client areas of one process's windows
// (0: of every process), heard as a reader's out-of-context hook hears
// them: as messages of the hooking thread. One log at a time.
class WinEventLog {
 public:
  struct Heard {
    DWORD event;
    HWND window;
    LONG child;
  };

  explicit WinEventLog(DWORD process, DWORD first = EVENT_MIN, DWORD last = EVENT_MAX);
  ~WinEventLog();
  WinEventLog(const WinEventLog&) = delete;
  WinEventLog& operator=(const WinEventLog&) = delete;

  bool Hooked() const { return hook_ != nullptr; }
  // Takes in the events raised so far, for about `ms`.
  void Pump(int ms = 30);
  // Pumps until the last event of a kind is for `child`, up to `ms`.
  void WaitFor(DWORD event, LONG child, int ms = 2000);
  // The child of the last event of a kind, 0 when none came.
  LONG LastChild(DWORD event) const;
  bool HeardEvent(DWORD event, HWND window, LONG child) const;
  void Clear() { heard_.clear(); }

 private:
  static void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child,
                            DWORD, DWORD);
  HWINEVENTHOOK hook_ = nullptr;
  std::vector<Heard> heard_;
};

}  // namespace prolexa::e2e
