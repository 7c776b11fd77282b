#pragma once

#include <QStringList>

#include "platform/CommonDialog.h"

class QWidget;

// QFileDialog and QColorDialog, each shown modally and belonging to the strip.
class QtCommonDialog : public CommonDialog {
 public:
  explicit QtCommonDialog(QWidget& owner) : owner_(owner) {}
  std::optional<std::string> ShowOpen(const std::vector<FileFilter>& filters,
                                      const std::string& initialFile) override;
  std::optional<std::uint32_t> ShowColor(std::uint32_t initial) override;

 private:
  QWidget& owner_;
};

// The filters as QFileDialog name filters, in order.
QStringList NameFilters(const std::vector<FileFilter>& filters);
