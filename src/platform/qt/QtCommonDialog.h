#pragma once

#include <QStringList>
#include <string_view>

#include "platform/CommonDialog.h"

// QFileDialog and QColorDialog, each shown modally.
class QtCommonDialog : public CommonDialog {
 public:
  std::optional<std::string> ShowOpen(const std::string& filter,
                                      const std::string& initialFile) override;
  std::optional<std::uint32_t> ShowColor(std::uint32_t initial) override;
};

// A "Description|patterns|..." filter list as QFileDialog name filters, in order.
QStringList NameFilters(std::string_view filter);
