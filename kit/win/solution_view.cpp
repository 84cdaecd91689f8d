#include "solution_view.h"

#include <oleacc.h>
#include <windowsx.h>

#include <algorithm>

#include "app_shell.h"
#include "scoped.h"
#include "wide.h"

namespace prolexa {
namespace {

constexpr wchar_t kClassName[] = L"ProlexaSolution";
// The focus frame stands this far outside the line's ink.
constexpr int kFrameMargin = 2;

}  // namespace

LRESULT CALLBACK SolutionViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* found = CreationState<SolutionView>(window, message, lParam);
  if (found == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  SolutionView& self = *found;
  switch (message) {
    case WM_NCCREATE:
      self.window_ = window;
      self.accessible_.emplace(window, self);
      break;
    case WM_NCDESTROY:
      // A screen reader still holding the object finds it disconnected.
      self.accessible_.reset();
      self.window_ = nullptr;
      break;
    case WM_GETOBJECT:
      return self.accessible_->Answer(wParam, lParam);
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_PAINT: {
      const PaintDC paint(window);
      self.Paint(paint.Dc(), paint.PaintStruct().rcPaint);
      return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      self.InvalidateLine(self.current_);
      if (message == WM_SETFOCUS) self.accessible_->Notify(EVENT_OBJECT_FOCUS, self.current_);
      return 0;
    case WM_KEYDOWN: {
      const int last = static_cast<int>(self.lines_.size()) - 1;
      switch (wParam) {
        case VK_UP: self.MoveTo(std::max(self.current_ - 1, 0)); return 0;
        case VK_DOWN: self.MoveTo(std::min(self.current_ + 1, last)); return 0;
        case VK_HOME:
        case VK_PRIOR: self.MoveTo(0); return 0;
        case VK_END:
        case VK_NEXT: self.MoveTo(last); return 0;
        default: break;
      }
      break;
    }
    case WM_LBUTTONDOWN: {
      SetFocus(window);
      const int line = self.LineAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      if (line >= 0) self.MoveTo(line);
      return 0;
    }
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU: {
      POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (message == WM_CONTEXTMENU) {
        // From the keyboard (-1, -1): at the line the keyboard is on.
        if (at.x == -1 && at.y == -1) {
          const RECT frame = self.FrameOf(self.current_);
          at = {frame.left, frame.bottom};
          ClientToScreen(window, &at);
        }
        ScreenToClient(GetParent(window), &at);
      } else {
        MapWindowPoints(window, GetParent(window), &at, 1);
      }
      self.host_->ShowMenuAt(at);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool SolutionView::Create(HINSTANCE instance, HWND parent, std::string_view name,
                          SolutionHost& host) {
  host_ = &host;
  name_ = std::string(name);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (!GetClassInfoExW(instance, kClassName, &existing)) {
    WNDCLASSEXW kind{};
    kind.cbSize = sizeof kind;
    kind.lpfnWndProc = SolutionViewProc;
    kind.hInstance = instance;
    kind.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    kind.lpszClassName = kClassName;
    if (RegisterClassExW(&kind) == 0) return false;
  }
  // Its window text is its name for whoever reads windows rather than
  // objects.
  const HWND made = CreateWindowExW(0, kClassName, Widen(name).c_str(),
                                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, 0, 0,
                                    0, parent, nullptr, instance, this);
  if (made == nullptr) return false;
  SetWindowPos(made, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return true;
}

void SolutionView::Place(const RECT& area) {
  SetWindowPos(window_, HWND_BOTTOM, area.left, area.top, area.right - area.left,
               area.bottom - area.top, SWP_NOACTIVATE);
}

void SolutionView::SetLines(std::vector<SolutionLine> lines, SolutionChange change) {
  const bool focused = GetFocus() == window_;
  InvalidateLine(current_);
  if (change == SolutionChange::Rewritten && lines.size() == lines_.size()) {
    // Other digits or another scale: the same lines, the reader's place kept.
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const bool same = lines[i].spoken == lines_[i].spoken && lines[i].copied == lines_[i].copied;
      lines_[i] = std::move(lines[i]);
      if (same) continue;
      accessible_->Notify(EVENT_OBJECT_NAMECHANGE, static_cast<int>(i));
      accessible_->Notify(EVENT_OBJECT_VALUECHANGE, static_cast<int>(i));
    }
    InvalidateLine(current_);
    return;
  }
  if (lines.empty() && lines_.empty()) return;
  lines_ = std::move(lines);
  current_ = lines_.empty() ? -1 : 0;
  InvalidateLine(current_);
  accessible_->Notify(EVENT_OBJECT_REORDER, -1);
  if (lines_.empty()) return;
  // A reader follows the focus; a pupil still in a field hears the first
  // line as an alert.
  if (focused) {
    accessible_->Notify(EVENT_OBJECT_FOCUS, 0);
    accessible_->Notify(EVENT_OBJECT_SELECTION, 0);
  } else {
    accessible_->Notify(EVENT_SYSTEM_ALERT, 0);
  }
}

long SolutionView::Role() const { return ROLE_SYSTEM_LIST; }
long SolutionView::ItemRole() const { return ROLE_SYSTEM_LISTITEM; }

AccessibleItem SolutionView::Item(int index) const {
  const SolutionLine& line = lines_.at(static_cast<std::size_t>(index));
  return {line.spoken, line.copied, FrameOf(index)};
}

RECT SolutionView::FrameOf(int line) const {
  if (line < 0 || line >= static_cast<int>(lines_.size())) return {};
  RECT frame = lines_[static_cast<std::size_t>(line)].box;
  MapWindowPoints(GetParent(window_), window_, reinterpret_cast<POINT*>(&frame), 2);
  InflateRect(&frame, kFrameMargin, kFrameMargin);
  return frame;
}

void SolutionView::InvalidateLine(int line) const {
  const RECT frame = FrameOf(line);
  if (!IsRectEmpty(&frame)) InvalidateRect(window_, &frame, FALSE);
}

void SolutionView::MoveTo(int line) {
  if (line < 0 || line >= static_cast<int>(lines_.size()) || line == current_) return;
  InvalidateLine(current_);
  current_ = line;
  InvalidateLine(current_);
  if (GetFocus() == window_) accessible_->Notify(EVENT_OBJECT_FOCUS, current_);
  accessible_->Notify(EVENT_OBJECT_SELECTION, current_);
}

void SolutionView::Paint(HDC dc, const RECT& dirty) const {
  RECT area{};
  GetClientRect(window_, &area);
  MapWindowPoints(window_, GetParent(window_), reinterpret_cast<POINT*>(&area), 2);
  // The window's own painting of the area, clipped to what needs it.
  host_->PaintBox(dc, area);
  SetViewportOrgEx(dc, 0, 0, nullptr);
  if (GetFocus() != window_ || current_ < 0) return;
  RECT frame = FrameOf(current_);
  RECT shown{};
  if (IntersectRect(&shown, &frame, &dirty)) DrawFocusRect(dc, &frame);
}

int SolutionView::LineAt(POINT point) const {
  for (int i = 0; i < static_cast<int>(lines_.size()); ++i) {
    const RECT frame = FrameOf(i);
    if (PtInRect(&frame, point)) return i;
  }
  return -1;
}

}  // namespace prolexa
