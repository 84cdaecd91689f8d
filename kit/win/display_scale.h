// Display scaling. Every place of the suite's windows is given in pixels of
// a 96-DPI screen; a DisplayScale turns such places into the pixels of the
// screen a window stands on, and back, and ScaledDrawing lets a painter draw
// in 96-DPI places on a device of any DPI.
#pragma once

#include <windows.h>

namespace prolexa {

inline constexpr int BaseDpi = 96;

// The pictures of the suite come in these sizes: a resource's double-size
// version has its number plus DoubleArtOffset.
inline constexpr int DoubleArtOffset = 1000;

struct DisplayScale {
  int dpi = BaseDpi;

  // A length or coordinate at 96 DPI in this screen's pixels, rounded to
  // the nearest.
  int operator()(int at96) const { return MulDiv(at96, dpi, BaseDpi); }
  RECT operator()(const RECT& at96) const {
    return {(*this)(at96.left), (*this)(at96.top), (*this)(at96.right), (*this)(at96.bottom)};
  }
  // A point of this screen as a 96-DPI place (a mouse position, say).
  POINT Unscaled(POINT device) const {
    return {MulDiv(device.x, BaseDpi, dpi), MulDiv(device.y, BaseDpi, dpi)};
  }

  bool operator==(const DisplayScale&) const = default;
};

// The DPI of the screen a window stands on: the window's own where the
// system knows it (Windows 10 1607 on), else the system's, read from the
// screen's device context (Windows 7, older Wine). Outside 48 to 960 it is
// taken as 96, so that no misreport can make a window vanish or explode.
DisplayScale WindowScale(HWND window);
// The DPI windows of this process are made at before they exist.
DisplayScale SystemScale();
// A window's scale on a screen at the pupil's zoom, in percent of the
// screen's.
DisplayScale Zoomed(DisplayScale screen, int percent);
// A DPI the system reports (WM_DPICHANGED's), held to the same bounds.
DisplayScale ScaleForDpi(UINT dpi);

// While it lives, the device context takes 96-DPI places: its mapping mode
// multiplies by dpi / 96, keeping the viewport origin (in device pixels)
// that the caller set. Fonts then come out at the scaled size, and pens of
// width 1 are the scaled width.
class ScaledDrawing {
 public:
  ScaledDrawing(HDC dc, DisplayScale scale);
  ~ScaledDrawing();
  ScaledDrawing(const ScaledDrawing&) = delete;
  ScaledDrawing& operator=(const ScaledDrawing&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// The device rectangle a rectangle of the context's logical places covers.
RECT DeviceRect(HDC dc, const RECT& logical);

}  // namespace prolexa
