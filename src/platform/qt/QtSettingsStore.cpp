#include "platform/qt/QtSettingsStore.h"

namespace {
QString KeyPath(const std::string& section, const std::string& key) {
  return QString::fromLocal8Bit(section) + '/' + QString::fromLocal8Bit(key);
}
}  // namespace

QSettings& QtSettingsStore::File(const std::string& application) {
  auto& file = files_[application];
  if (!file) {
    const QString name = QString::fromLocal8Bit(application);
    file = std::make_unique<QSettings>(directory_ + '/' + name + '/' + name + ".ini",
                                       QSettings::IniFormat);
  }
  return *file;
}

std::optional<std::string> QtSettingsStore::Read(const std::string& application,
                                                 const std::string& section,
                                                 const std::string& key) {
  const QVariant value = File(application).value(KeyPath(section, key));
  if (!value.isValid() || !value.canConvert<QString>()) return std::nullopt;
  return value.toString().toLocal8Bit().toStdString();
}

bool QtSettingsStore::Write(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& value) {
  QSettings& file = File(application);
  file.setValue(KeyPath(section, key), QString::fromLocal8Bit(value));
  file.sync();
  return file.status() == QSettings::NoError;
}
