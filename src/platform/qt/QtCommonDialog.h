#pragma once

#include <QStringList>
#include <string_view>

#include "platform/CommonDialog.h"

class QWidget;

// QFileDialog and QColorDialog, each shown modally and belonging to the strip.
class QtCommonDialog : public CommonDialog {
 public:
  explicit QtCommonDialog(QWidget& owner) : owner_(owner) {}
  std::optional<std::string> ShowOpen(const std::string& filter,
                                      const std::string& initialFile) override;
  std::optional<std::uint32_t> ShowColor(std::uint32_t initial) override;

 private:
  QWidget& owner_;
};

// A "Description|patterns|..." filter list as QFileDialog name filters, in order.
QStringList NameFilters(std::string_view filter);
