#pragma once

#include <QSettings>
#include <QString>
#include <map>
#include <memory>
#include <tuple>

#include "platform/SettingsStore.h"

// The settings store as INI files: application A keeps <directory>/A/A.ini, one group per
// section. Every write is flushed at once, so a crash loses nothing written before it.
// A file that exists and is not an ordinary one (a FIFO, a folder, a device) is never opened:
// its values live in memory for this run, every write answers false, and Problem says so.
class QtSettingsStore : public SettingsStore {
 public:
  // directory: the user's configuration directory.
  explicit QtSettingsStore(QString directory) : directory_(std::move(directory)) {}

  std::optional<std::string> Read(const std::string& application, const std::string& section,
                                  const std::string& key) override;
  bool Write(const std::string& application, const std::string& section, const std::string& key,
             const std::string& value) override;

  // Empty, or the text that tells the user that a settings file could not be used.
  const std::string& Problem() const { return problem_; }

 private:
  // Nullptr when the application's file is not an ordinary one.
  QSettings* File(const std::string& application);

  QString directory_;
  std::map<std::string, std::unique_ptr<QSettings>> files_;
  std::map<std::tuple<std::string, std::string, std::string>, std::string> memory_;
  std::string problem_;
};
