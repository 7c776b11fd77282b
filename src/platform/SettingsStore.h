#pragma once

#include <optional>
#include <string>

// The per-user settings store: text values at (application, section, key).
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or nothing when the key is absent or unreadable.
  virtual std::optional<std::string> Read(const std::string& application,
                                          const std::string& section, const std::string& key) = 0;
  // Stores the text, creating what is missing; false when it could not be stored.
  virtual bool Write(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& value) = 0;
  // The path of a settings file that exists and could not be used, so that this run keeps no
  // setting; empty while there is none. A store without files never has one.
  virtual std::string UnusableFile() const { return std::string(); }
};
