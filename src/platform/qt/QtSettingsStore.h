#pragma once

#include <QSettings>
#include <QString>
#include <QTimer>
#include <map>
#include <memory>
#include <tuple>

#include "platform/SettingsStore.h"

// The settings store as INI files: application A keeps <directory>/A/A.ini, one group per
// section. A written value is read back at once; the file is written once for all the writes
// that come within kFlushDelay of the first one (a resize drag writes dozens), and by Flush,
// which every normal end calls before the process ends.
// A file that exists and is not an ordinary one (a FIFO, a folder, a device) is never opened:
// its values live in memory for this run, every write answers false, and UnusableFile names it.
class QtSettingsStore : public SettingsStore {
  // QSettings writes its file from the event loop after every change, which would undo the
  // coalescing; this keeps those requests from it.
  class HoldUpdates : public QObject {
   public:
    bool eventFilter(QObject* watched, QEvent* event) override;
  };

 public:
  // directory: the user's configuration directory.
  explicit QtSettingsStore(QString directory);

  static constexpr int kFlushDelay = 200;  // milliseconds

  std::optional<std::string> Read(const std::string& application, const std::string& section,
                                  const std::string& key) override;
  bool Write(const std::string& application, const std::string& section, const std::string& key,
             const std::string& value) override;

  // Writes every value not yet on disk; a later flush it makes unneeded does not come.
  void Flush();
  // True while a written value waits for its flush.
  bool Unflushed() const { return !unflushed_.empty(); }

  std::string UnusableFile() const override { return unusable_; }

 private:
  // Nullptr when the application's file is not an ordinary one.
  QSettings* File(const std::string& application);
  // Keeps the values of the file written by hand that the INI syntax would not read as written.
  void ReadHandWritten(const std::string& application, const QString& path);

  QString directory_;
  HoldUpdates holdUpdates_;  // declared first: outlives the files it watches
  std::map<std::string, std::unique_ptr<QSettings>> files_;
  std::map<std::tuple<std::string, std::string, std::string>, std::string> memory_;
  // Values with an unquoted "," (read as a list) or ";" (the rest read as a comment), such as
  // the hotkey Ctrl+Alt+; as the user wrote them, until the program writes the key.
  std::map<std::tuple<std::string, std::string, std::string>, std::string> handWritten_;
  std::string unusable_;
  // The files written since the last flush, and whether each could be written when the first of
  // those writes came.
  std::map<QSettings*, bool> unflushed_;
  QTimer flushTimer_;
};
