// The one place where the UTF-8 texts of the code become the UTF-16 texts of
// the wide Win32 functions, and back. Every text that reaches the screen, a
// message box, a window title or the shell goes through here: the narrow
// functions would show Czech and Slovak letters garbled on any system whose
// ANSI code page is not Central European.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace prolexa {

// Invalid UTF-8 becomes U+FFFD; invalid UTF-16 (a lone surrogate) likewise.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The whole text of a window (GetWindowTextW), in UTF-8.
std::string WindowTextUtf8(HWND window);
void SetWindowTextUtf8(HWND window, std::string_view text);

}  // namespace prolexa
