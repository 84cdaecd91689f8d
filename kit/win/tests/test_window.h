// A plain top-level window for the tests to put controls on and draw into.
#pragma once

#include <windows.h>

#include <string>

#include "scoped.h"

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

// A white picture to draw into and read back, with a transparent background
// mode as in a calculator's paint after its title banner.
class Canvas {
 public:
  Canvas(int w, int h);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return dc_.Dc(); }
  COLORREF At(int x, int y) const { return GetPixel(dc_.Dc(), x, y); }
  bool Ink(int x, int y) const { return At(x, y) != RGB(255, 255, 255); }
  // Pixels that are not white in the rectangle (right and bottom excluded).
  int InkIn(int left, int top, int right, int bottom) const;

 private:
  MemoryDC dc_;
  GdiBitmap bitmap_;
  HGDIOBJ previous_ = nullptr;
};

// Lets the window system deliver what is pending (paints, focus changes).
void PumpMessages();

// A name no other test run uses, for registry keys and window classes.
std::string UniqueName(const char* prefix);

// Case-insensitive class name comparison (the system spells "Edit", "Button").
bool HasClass(HWND window, const wchar_t* className);

}  // namespace prolexa::test
