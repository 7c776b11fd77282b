#include "data/Settings.h"

#include "data/Application.h"

std::string Settings::ReadSetting(const Setting& setting) {
  auto value = store_.Read(kApplicationName, kSettingsSection, setting.Key);
  return value ? std::move(*value) : std::string(setting.Default);
}

bool Settings::WriteSetting(const Setting& setting, const std::string& value) {
  return store_.Write(kApplicationName, kSettingsSection, setting.Key, value);
}
