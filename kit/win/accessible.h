// What a screen reader learns of a window that draws its own items: the
// window answers WM_GETOBJECT with an IAccessible (Active Accessibility,
// which Windows also hands on to UI Automation clients) whose children are
// the items it names. The window tells what it shows through a source; the
// object asks it at every call, so it never reports stale items.
#pragma once

#include <windows.h>

#include <string>

namespace prolexa {

// One item as a screen reader is to know it: what it says, what it holds
// and where it stands in the window's client area, in pixels.
struct AccessibleItem {
  std::string name;   // UTF-8
  std::string value;  // UTF-8; empty: the item has no value
  RECT place{};
};

// What the window shows. Indices run from 0 to ItemCount() - 1.
class AccessibleSource {
 public:
  virtual std::string Name() const = 0;
  // Roles as oleacc numbers them (ROLE_SYSTEM_LIST, ROLE_SYSTEM_LISTITEM...).
  virtual long Role() const = 0;
  virtual long ItemRole() const = 0;
  virtual int ItemCount() const = 0;
  virtual AccessibleItem Item(int index) const = 0;
  // The item the keyboard is on (-1: none); it is the focused child while
  // the window has the focus.
  virtual int CurrentItem() const = 0;
  virtual void MakeCurrent(int index) = 0;
  // The name of what pressing an item does; empty: nothing. DoDefault runs
  // inside the screen reader's call: an action that opens a modal window
  // posts itself, so that the reader is not held until the window closes.
  virtual std::string DefaultAction() const { return {}; }
  virtual void DoDefault(int /*index*/) {}

 protected:
  ~AccessibleSource() = default;
};

// The accessible object of one window: made at the first WM_GETOBJECT, cut
// from the source when the window goes, so that a client still holding it
// gets "disconnected" instead of a dangling window.
class AccessibleWindow {
 public:
  AccessibleWindow(HWND window, AccessibleSource& source) : window_(window), source_(source) {}
  ~AccessibleWindow();
  AccessibleWindow(const AccessibleWindow&) = delete;
  AccessibleWindow& operator=(const AccessibleWindow&) = delete;

  // The answer to WM_GETOBJECT: the object for OBJID_CLIENT, the system's
  // answer for any other.
  LRESULT Answer(WPARAM wParam, LPARAM lParam);
  // Tells screen readers that an item (-1: the window itself) changed.
  void Notify(DWORD event, int item) const;

 private:
  class Object;
  HWND window_;
  AccessibleSource& source_;
  Object* object_ = nullptr;
};

// Names a control that has no text of its own (a list, an up-down control)
// for screen readers by what a label shows: it answers WM_GETOBJECT with
// the system's own object for it under the label's text of the moment, so a
// label that changes with the exercise renames it.
bool NameByLabel(HWND control, HWND label);

}  // namespace prolexa
