#include "platform/win32/RegistryStore.h"

#include <windows.h>

#include "platform/win32/Handle.h"

std::string RegistryStore::KeyPath(const std::string& application, const std::string& section) {
  return "Software\\" + application + "\\" + section;
}

std::optional<std::string> RegistryStore::Read(const std::string& application,
                                               const std::string& section, const std::string& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath(application, section).c_str(), 0, KEY_QUERY_VALUE,
                    &opened) != ERROR_SUCCESS)
    return std::nullopt;
  KeyHandle hkey(opened);
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(hkey.get(), key.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return std::nullopt;
  std::string value(size, '\0');
  if (RegQueryValueExA(hkey.get(), key.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS)
    return std::nullopt;
  // The stored size counts the terminating zero, when the writer stored one.
  value.resize(size);
  while (!value.empty() && value.back() == '\0') value.pop_back();
  return value;
}

bool RegistryStore::Write(const std::string& application, const std::string& section,
                          const std::string& key, const std::string& value) {
  HKEY created = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath(application, section).c_str(), 0, nullptr, 0,
                      KEY_SET_VALUE, nullptr, &created, nullptr) != ERROR_SUCCESS)
    return false;
  KeyHandle hkey(created);
  return RegSetValueExA(hkey.get(), key.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}
