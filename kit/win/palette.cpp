#include "palette.h"

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

}  // namespace prolexa
