// Scope classes for the GDI and window handles of the kit and for the calls
// that come in pairs: each releases what it holds when it goes out of scope,
// so no early return can leak a font, a pen, a device context, a menu or a
// region, leave an object selected into a context, a block of memory locked
// or the clipboard open.
#pragma once

#include <windows.h>

#include <utility>

namespace prolexa {

// Selects an object into a device context and puts the previous one back.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelectObject() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Owns a handle and frees it with `Free` when it goes out of scope, unless it
// was handed over with Release.
template <typename T, auto Free>
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(T handle) : handle_(handle) {}
  ~OwnedHandle() { Reset(); }
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(other.Release()) {}
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = other.Release();
    }
    return *this;
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;

  T Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Hands the handle over; it is then the caller's to free.
  T Release() { return std::exchange(handle_, nullptr); }
  void Reset(T handle = nullptr) {
    if (handle_ != nullptr) Free(handle_);
    handle_ = handle;
  }

 private:
  T handle_ = nullptr;
};

// Owns a created font, pen, brush or bitmap and deletes it. Declare it before
// the ScopedSelectObject that selects it, so the selection is undone first.
template <typename T>
using GdiObject = OwnedHandle<T, DeleteObject>;

using GdiFont = GdiObject<HFONT>;
using GdiPen = GdiObject<HPEN>;
using GdiBrush = GdiObject<HBRUSH>;
using GdiBitmap = GdiObject<HBITMAP>;

// A block of global memory (GlobalAlloc), until it is released, as to the
// clipboard, which then owns it.
using GlobalMemory = OwnedHandle<HGLOBAL, GlobalFree>;

// A popup menu (CreatePopupMenu), destroyed with its items.
using PopupMenu = OwnedHandle<HMENU, DestroyMenu>;

// A region (CreateRoundRectRgn ...) until it is handed to a window, which
// then owns it.
using GdiRegion = GdiObject<HRGN>;

// The clipboard, opened for a window and closed again; Opened says whether
// the clipboard could be opened (another program may hold it).
class ScopedClipboard {
 public:
  explicit ScopedClipboard(HWND owner) : opened_(OpenClipboard(owner) != FALSE) {}
  ~ScopedClipboard() {
    if (opened_) CloseClipboard();
  }
  ScopedClipboard(const ScopedClipboard&) = delete;
  ScopedClipboard& operator=(const ScopedClipboard&) = delete;

  bool Opened() const { return opened_; }

 private:
  bool opened_;
};

// The bytes of a movable global memory block, locked while in scope; null
// when the block could not be locked.
template <typename T>
class GlobalLocked {
 public:
  explicit GlobalLocked(HGLOBAL memory)
      : memory_(memory), data_(static_cast<T*>(GlobalLock(memory))) {}
  ~GlobalLocked() {
    if (data_ != nullptr) GlobalUnlock(memory_);
  }
  GlobalLocked(const GlobalLocked&) = delete;
  GlobalLocked& operator=(const GlobalLocked&) = delete;

  T* Get() const { return data_; }

 private:
  HGLOBAL memory_;
  T* data_;
};

// The device context of a window's client area (GetDC / ReleaseDC).
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;

  HDC Dc() const { return dc_; }
  HWND Window() const { return window_; }

 private:
  HWND window_;
  HDC dc_;
};

// A memory device context compatible with another one (null: the screen).
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDC() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;

  HDC Dc() const { return dc_; }

 private:
  HDC dc_;
};

// BeginPaint / EndPaint for one WM_PAINT.
class PaintDC {
 public:
  explicit PaintDC(HWND window) : window_(window), ps_{}, dc_(BeginPaint(window, &ps_)) {}
  ~PaintDC() { EndPaint(window_, &ps_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;

  HDC Dc() const { return dc_; }
  const PAINTSTRUCT& PaintStruct() const { return ps_; }
  HWND Window() const { return window_; }

 private:
  HWND window_;
  PAINTSTRUCT ps_;
  HDC dc_;
};

}  // namespace prolexa
