// One program's preferences: named 32-bit values under one registry key of
// the current user, "Software\Tolvek\Prolexa\<key name>". The launcher's
// settings dialog writes the same values for the calculators, so both sides
// go through this class.
//
// Use: Open, any number of ReadDword / WriteDword, Close, all inside one
// message handler; the key is never held open between messages.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace prolexa {

// "Software\Tolvek\Prolexa\" followed by the program's key name.
std::string SettingsPath(std::string_view keyName);

class SettingsKey {
 public:
  SettingsKey() = default;
  // Closes a key still open, so that a handler that returns early leaks no
  // registry handle.
  ~SettingsKey();
  SettingsKey(const SettingsKey&) = delete;
  SettingsKey& operator=(const SettingsKey&) = delete;

  // Opens the key, creating it when it is missing, with full access.
  // Returns the registry status (ERROR_SUCCESS when open). A key already
  // open is closed first.
  LONG Open(HKEY root, const std::string& path);

  // The value's 4 bytes as stored, whatever its type, or `fallback` when the
  // key is not open, the value is missing or its data is not exactly 4 bytes
  // long (an 8-byte value must not be cut to its low half).
  DWORD ReadDword(const char* name, DWORD fallback) const;

  // Stores the value as REG_DWORD; false when the key is not open or the
  // write fails.
  bool WriteDword(const char* name, DWORD value);

  // Closes the key; harmless when Open failed or was never called.
  void Close();

  bool IsOpen() const { return isOpen_; }

 private:
  HKEY key_ = nullptr;
  bool isOpen_ = false;
};

}  // namespace prolexa
