#include "display_scale.h"

namespace prolexa {
namespace {

DisplayScale Sane(UINT dpi) {
  return {dpi >= 48 && dpi <= 960 ? static_cast<int>(dpi) : BaseDpi};
}

// A function of user32 that older systems lack, or null.
template <class Function>
Function User32Function(const char* name) {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 != nullptr ? reinterpret_cast<Function>(
                                 reinterpret_cast<void*>(GetProcAddress(user32, name)))
                           : nullptr;
}

}  // namespace

DisplayScale ScaleForDpi(UINT dpi) { return Sane(dpi); }

DisplayScale Zoomed(DisplayScale screen, int percent) {
  return Sane(static_cast<UINT>(MulDiv(screen.dpi, percent, 100)));
}

DisplayScale SystemScale() {
  using GetDpiForSystemFunction = UINT(WINAPI*)();
  static const auto forSystem = User32Function<GetDpiForSystemFunction>("GetDpiForSystem");
  if (forSystem != nullptr) return Sane(forSystem());
  const HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : BaseDpi;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return Sane(static_cast<UINT>(dpi));
}

DisplayScale WindowScale(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto forWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (forWindow != nullptr && window != nullptr) {
    const UINT dpi = forWindow(window);
    if (dpi != 0) return Sane(dpi);
  }
  return SystemScale();
}

ScaledDrawing::ScaledDrawing(HDC dc, DisplayScale scale) : dc_(dc), saved_(SaveDC(dc)) {
  if (scale.dpi == BaseDpi) return;
  SetMapMode(dc, MM_ANISOTROPIC);
  SetWindowExtEx(dc, BaseDpi, BaseDpi, nullptr);
  SetViewportExtEx(dc, scale.dpi, scale.dpi, nullptr);
}

ScaledDrawing::~ScaledDrawing() {
  if (saved_ != 0) RestoreDC(dc_, saved_);
}

RECT DeviceRect(HDC dc, const RECT& logical) {
  RECT device = logical;
  LPtoDP(dc, reinterpret_cast<POINT*>(&device), 2);
  return device;
}

}  // namespace prolexa
