#pragma once

#include "platform/SettingsStore.h"

// Settings as string values under HKEY_CURRENT_USER\Software\<application>\<section>.
class RegistryStore : public SettingsStore {
 public:
  static std::string KeyPath(const std::string& application, const std::string& section);

  std::optional<std::string> Read(const std::string& application, const std::string& section,
                                  const std::string& key) override;
  bool Write(const std::string& application, const std::string& section, const std::string& key,
             const std::string& value) override;
};
