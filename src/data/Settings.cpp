#include "data/Settings.h"

namespace {
const std::string kApplication = "VellCmdLine";
const std::string kSection = "Defaults";
}  // namespace

std::string Settings::ReadSetting(const std::string& key, std::string_view defaultText) {
  auto value = store_.Read(kApplication, kSection, key);
  return value ? std::move(*value) : std::string(defaultText);
}

std::string Settings::ReadSetting(const std::string& key, int defaultValue) {
  return ReadSetting(key, std::to_string(defaultValue));
}

bool Settings::WriteSetting(const std::string& key, const std::string& value) {
  return store_.Write(kApplication, kSection, key, value);
}
