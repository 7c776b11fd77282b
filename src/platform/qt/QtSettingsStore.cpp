#include "platform/qt/QtSettingsStore.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>

namespace {
QString KeyPath(const std::string& section, const std::string& key) {
  return QString::fromLocal8Bit(section) + '/' + QString::fromLocal8Bit(key);
}
}  // namespace

bool QtSettingsStore::HoldUpdates::eventFilter(QObject* watched, QEvent* event) {
  return event->type() == QEvent::UpdateRequest || QObject::eventFilter(watched, event);
}

QtSettingsStore::QtSettingsStore(QString directory) : directory_(std::move(directory)) {
  flushTimer_.setSingleShot(true);
  flushTimer_.setInterval(kFlushDelay);
  flushTimer_.callOnTimeout([this] { Flush(); });
}

void QtSettingsStore::Flush() {
  flushTimer_.stop();
  for (const auto& pending : unflushed_) pending.first->sync();
  unflushed_.clear();
}

QSettings* QtSettingsStore::File(const std::string& application) {
  auto [file, first] = files_.try_emplace(application);
  if (first) {
    const QString name = QString::fromLocal8Bit(application);
    const QString path = directory_ + '/' + name + '/' + name + ".ini";
    // QSettings would wait forever for a FIFO's writer, with the instance lock held.
    if (const QFileInfo info(path); info.exists() && !info.isFile()) {
      if (unusable_.empty()) unusable_ = QFile::encodeName(path).toStdString();
      return nullptr;
    }
    file->second = std::make_unique<QSettings>(path, QSettings::IniFormat);
    file->second->installEventFilter(&holdUpdates_);
    ReadHandWritten(application, path);
  }
  return file->second.get();
}

void QtSettingsStore::ReadHandWritten(const std::string& application, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return;
  std::string section;
  for (const QByteArray& line : file.readAll().split('\n')) {
    const QByteArray text = line.trimmed();
    if (text.startsWith('[') && text.endsWith(']')) {
      section = text.mid(1, text.size() - 2).toStdString();
      continue;
    }
    const auto equals = text.indexOf('=');
    if (equals <= 0 || text.startsWith(';') || text.startsWith('#')) continue;
    const QByteArray value = text.mid(equals + 1).trimmed();
    if (value.startsWith('"') || (!value.contains(',') && !value.contains(';'))) continue;
    handWritten_[{application, section, text.left(equals).trimmed().toStdString()}] =
        QString::fromUtf8(value).toLocal8Bit().toStdString();
  }
}

std::optional<std::string> QtSettingsStore::Read(const std::string& application,
                                                 const std::string& section,
                                                 const std::string& key) {
  QSettings* file = File(application);
  if (!file) {
    const auto kept = memory_.find({application, section, key});
    if (kept == memory_.end()) return std::nullopt;
    return kept->second;
  }
  if (const auto written = handWritten_.find({application, section, key});
      written != handWritten_.end())
    return written->second;
  const QVariant value = file->value(KeyPath(section, key));
  if (!value.isValid() || !value.canConvert<QString>()) return std::nullopt;
  return value.toString().toLocal8Bit().toStdString();
}

bool QtSettingsStore::Write(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& value) {
  QSettings* file = File(application);
  if (!file) {
    memory_[{application, section, key}] = value;
    return false;
  }
  // The file's first write since a flush asks whether it can be written (a path blocked by a
  // file, a read-only file), so that a write that will fail says so at once.
  handWritten_.erase({application, section, key});
  auto [pending, first] = unflushed_.try_emplace(file, false);
  if (first) pending->second = file->isWritable();
  file->setValue(KeyPath(section, key), QString::fromLocal8Bit(value));
  if (!flushTimer_.isActive()) flushTimer_.start();
  return pending->second && file->status() == QSettings::NoError;
}
