#pragma once

#include <string>
#include <string_view>

#include "platform/SettingsStore.h"

// The program's settings: every key lives under "VellCmdLine" / "Defaults".
class Settings {
 public:
  explicit Settings(SettingsStore& store) : store_(store) {}

  // The stored text, or the default as text when the key is absent.
  std::string ReadSetting(const std::string& key, std::string_view defaultText);
  std::string ReadSetting(const std::string& key, int defaultValue);
  bool WriteSetting(const std::string& key, const std::string& value);

 private:
  SettingsStore& store_;
};
