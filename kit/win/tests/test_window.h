// A plain top-level window for the tests to put controls on and draw into.
#pragma once

#include <windows.h>

#include <string>

namespace prolexa::test {

// A visible 500 x 400 window at the screen's top-left corner, with the
// default window procedure; destroyed with the object.
class TestWindow {
 public:
  TestWindow();
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND Get() const { return window_; }

 private:
  HWND window_;
};

// Lets the window system deliver what is pending (paints, focus changes).
void PumpMessages();

// A name no other test run uses, for registry keys and window classes.
std::string UniqueName(const char* prefix);

// Case-insensitive class name comparison (the system spells "Edit", "Button").
bool HasClass(HWND window, const wchar_t* className);

}  // namespace prolexa::test
