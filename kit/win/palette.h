// The colours a window of the suite draws in: its own look, or, when the
// pupil has turned on the system's high-contrast mode, only the colours the
// pupil chose there.
#pragma once

#include <windows.h>

namespace prolexa {

struct Palette {
  // False: the suite's own look (black on white, tinted bands, coloured
  // pictures and sketches). True: text and every line in `text` on
  // `window`, the bands in `face` with their texts in `faceText`, no
  // picture.
  bool system = false;
  COLORREF text = RGB(0, 0, 0);
  COLORREF window = RGB(255, 255, 255);
  COLORREF face = RGB(255, 255, 255);
  COLORREF faceText = RGB(0, 0, 0);
};

// Whether the system's high-contrast mode is on.
bool HighContrastOn();
// The system's colours: window text on window, button text on button face.
Palette SystemPalette();
// The palette the system's settings ask for now.
Palette CurrentPalette();

// WM_ERASEBKGND of a window whose class brush is white: in the system's
// colours the whole client area is filled with the window colour and true
// comes back; in the suite's own look nothing is done (false), and the
// class's white stays.
bool EraseInPalette(HWND window, HDC dc, const Palette& palette);

}  // namespace prolexa
