#include "platform/qt/QtCommonDialog.h"

#include <QColorDialog>
#include <QFile>
#include <QFileDialog>

#include "platform/qt/Colors.h"

QStringList NameFilters(const std::vector<FileFilter>& filters) {
  QStringList names;
  for (const FileFilter& entry : filters) {
    QStringList patterns;
    // "*.*" is every file where it comes from; here it would miss names without a dot.
    for (const std::string& pattern : entry.Patterns)
      patterns << (pattern == "*.*" ? QStringLiteral("*") : QString::fromLocal8Bit(pattern));
    names << QString::fromLocal8Bit(entry.Description) + " (" + patterns.join(' ') + ')';
  }
  return names;
}

std::optional<std::string> QtCommonDialog::ShowOpen(const std::vector<FileFilter>& filters,
                                                    const std::string& initialFile) {
  QFileDialog dialog(&owner_);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(NameFilters(filters));
  if (!initialFile.empty()) dialog.selectFile(QFile::decodeName(initialFile.c_str()));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

std::optional<std::uint32_t> QtCommonDialog::ShowColor(std::uint32_t initial) {
  QColorDialog dialog(ToQColor(Color::OfRgb(initial)), &owner_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return FromQColor(dialog.selectedColor());
}
