// The launcher's three dialogs: the settings with which four calculators
// start, about the suite, and how to support its development.
#pragma once

#include <windows.h>

#include "palette.h"

namespace prolexa::zeruraruri {

// Each shows its dialog modally over the launcher, in the launcher's
// colours, and, once it is closed, has the launcher repainted whole.
void ShowSettingsDialog(HINSTANCE instance, HWND launcher, const Palette& palette);
void ShowAboutDialog(HINSTANCE instance, HWND launcher, const Palette& palette);
void ShowDonationDialog(HINSTANCE instance, HWND launcher, const Palette& palette);

// The maker's page that tells how to contribute.
inline constexpr wchar_t DonationPage[] = L"https://www.tolvek.cz/dotacie.php";

}  // namespace prolexa::zeruraruri
