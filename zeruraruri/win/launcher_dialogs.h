// The launcher's three dialogs: the settings with which four calculators
// start, about the suite, and how to support its development.
#pragma once

#include <windows.h>

namespace prolexa::zeruraruri {

// Each shows its dialog modally over the launcher and, once it is closed,
// has the launcher repainted whole.
void ShowSettingsDialog(HINSTANCE instance, HWND launcher);
void ShowAboutDialog(HINSTANCE instance, HWND launcher);
void ShowDonationDialog(HINSTANCE instance, HWND launcher);

// The maker's page that tells how to contribute.
inline constexpr wchar_t DonationPage[] = L"https://www.tolvek.cz/dotacie.php";

}  // namespace prolexa::zeruraruri
