#include "platform/qt/QtSettingsStore.h"

#include <QFile>
#include <QFileInfo>

namespace {
QString KeyPath(const std::string& section, const std::string& key) {
  return QString::fromLocal8Bit(section) + '/' + QString::fromLocal8Bit(key);
}
}  // namespace

QSettings* QtSettingsStore::File(const std::string& application) {
  auto [file, first] = files_.try_emplace(application);
  if (first) {
    const QString name = QString::fromLocal8Bit(application);
    const QString path = directory_ + '/' + name + '/' + name + ".ini";
    // QSettings would wait forever for a FIFO's writer, with the instance lock held.
    if (const QFileInfo info(path); info.exists() && !info.isFile()) {
      if (problem_.empty())
        problem_ = "The settings file " + QFile::encodeName(path).toStdString() +
                   " is not an ordinary file: the program starts with its default settings and "
                   "keeps none of the changes.";
      return nullptr;
    }
    file->second = std::make_unique<QSettings>(path, QSettings::IniFormat);
  }
  return file->second.get();
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
  file->setValue(KeyPath(section, key), QString::fromLocal8Bit(value));
  file->sync();
  return file->status() == QSettings::NoError;
}
