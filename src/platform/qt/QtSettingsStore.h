#pragma once

#include <QSettings>
#include <QString>
#include <map>
#include <memory>

#include "platform/SettingsStore.h"

// The settings store as INI files: application A keeps <directory>/A/A.ini, one group per
// section. Every write is flushed at once, so a crash loses nothing written before it.
class QtSettingsStore : public SettingsStore {
 public:
  // directory: the user's configuration directory.
  explicit QtSettingsStore(QString directory) : directory_(std::move(directory)) {}

  std::optional<std::string> Read(const std::string& application, const std::string& section,
                                  const std::string& key) override;
  bool Write(const std::string& application, const std::string& section, const std::string& key,
             const std::string& value) override;

 private:
  QSettings& File(const std::string& application);

  QString directory_;
  std::map<std::string, std::unique_ptr<QSettings>> files_;
};
