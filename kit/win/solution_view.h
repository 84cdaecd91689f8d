// The worked solution as a control: a child window over the solution area
// that shows what the calculator window paints there, takes the focus, marks
// the line the keyboard is on and tells a screen reader every line, each by
// the words a teacher would dictate and by its copied text.
//
// Up, Down, Home, End, Page Up and Page Down move along the lines; a click
// picks one; the right button (or the menu key) opens the window's solution
// menu. What the pupil types otherwise goes to the window as usual.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "accessible.h"

namespace prolexa {

// A line of the solution: its words, its text and the box it covers, in the
// window's client pixels.
struct SolutionLine {
  std::string spoken;
  std::string copied;
  RECT box{};
};

// What the view asks of the window it stands in.
class SolutionHost {
 public:
  // Paints the window's content of `box` (client pixels) into a context
  // whose origin is the box's corner.
  virtual void PaintBox(HDC dc, const RECT& box) = 0;
  // The solution menu at a point of the window's client area.
  virtual void ShowMenuAt(POINT client) = 0;

 protected:
  ~SolutionHost() = default;
};

// How the lines changed, for what a screen reader is told.
enum class SolutionChange {
  Replaced,   // a new solution, or none: a new one's first line is announced
  Rewritten,  // the same lines with other digits or at another scale
};

class SolutionView final : public AccessibleSource {
 public:
  SolutionView() = default;
  SolutionView(const SolutionView&) = delete;
  SolutionView& operator=(const SolutionView&) = delete;

  // Makes the view, named `name` for a screen reader, at the bottom of its
  // siblings so that every control standing in the area stays above it.
  bool Create(HINSTANCE instance, HWND parent, std::string_view name, SolutionHost& host);
  HWND Window() const { return window_; }
  // The area it covers, in the parent's client pixels.
  void Place(const RECT& area);
  void SetLines(std::vector<SolutionLine> lines, SolutionChange change);
  int Current() const { return current_; }

  // AccessibleSource
  std::string Name() const override { return name_; }
  long Role() const override;
  long ItemRole() const override;
  int ItemCount() const override { return static_cast<int>(lines_.size()); }
  AccessibleItem Item(int index) const override;
  int CurrentItem() const override { return current_; }
  void MakeCurrent(int index) override { MoveTo(index); }

 private:
  friend LRESULT CALLBACK SolutionViewProc(HWND, UINT, WPARAM, LPARAM);
  // The line's box in the view's own pixels, with a little room around it
  // for the focus frame.
  RECT FrameOf(int line) const;
  void InvalidateLine(int line) const;
  void MoveTo(int line);
  void Paint(HDC dc, const RECT& dirty) const;
  int LineAt(POINT point) const;

  HWND window_ = nullptr;
  SolutionHost* host_ = nullptr;
  std::string name_;
  std::vector<SolutionLine> lines_;
  int current_ = -1;
  std::optional<AccessibleWindow> accessible_;  // lives as long as the window
};

}  // namespace prolexa
