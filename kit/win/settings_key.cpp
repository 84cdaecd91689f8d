#include "settings_key.h"

namespace prolexa {

std::string SettingsPath(std::string_view keyName) {
  std::string path = "Software\\Tolvek\\Prolexa\\";
  path += keyName;
  return path;
}

SettingsKey::~SettingsKey() { Close(); }

LONG SettingsKey::Open(HKEY root, const std::string& path) {
  Close();
  HKEY key = nullptr;
  const LONG status = RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      KEY_ALL_ACCESS, nullptr, &key, nullptr);
  isOpen_ = status == ERROR_SUCCESS;
  key_ = isOpen_ ? key : nullptr;
  return status;
}

DWORD SettingsKey::ReadDword(const char* name, DWORD fallback) const {
  if (!isOpen_) return fallback;
  DWORD value = 0;
  DWORD size = sizeof value;
  const LONG status = RegQueryValueExA(key_, name, nullptr, nullptr,
                                       reinterpret_cast<BYTE*>(&value), &size);
  // Longer data fails with ERROR_MORE_DATA; shorter data would leave part of
  // the buffer unwritten.
  if (status != ERROR_SUCCESS || size != sizeof value) return fallback;
  return value;
}

bool SettingsKey::WriteDword(const char* name, DWORD value) {
  if (!isOpen_) return false;
  return RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                        sizeof value) == ERROR_SUCCESS;
}

void SettingsKey::Close() {
  if (key_ != nullptr) RegCloseKey(key_);
  key_ = nullptr;
  isOpen_ = false;
}

}  // namespace prolexa
