#include "palette.h"

#include "scoped.h"

namespace prolexa {

bool HighContrastOn() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

Palette SystemPalette() {
  return {.system = true,
          .text = GetSysColor(COLOR_WINDOWTEXT),
          .window = GetSysColor(COLOR_WINDOW),
          .face = GetSysColor(COLOR_BTNFACE),
          .faceText = GetSysColor(COLOR_BTNTEXT)};
}

Palette CurrentPalette() { return HighContrastOn() ? SystemPalette() : Palette{}; }

bool EraseInPalette(HWND window, HDC dc, const Palette& palette) {
  if (!palette.system) return false;
  RECT client{};
  GetClientRect(window, &client);
  const GdiBrush ground(CreateSolidBrush(palette.window));
  FillRect(dc, &client, ground.Get());
  return true;
}

}  // namespace prolexa
