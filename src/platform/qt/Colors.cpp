#include "platform/qt/Colors.h"

#include <QApplication>
#include <QPalette>

QColor ToQColor(Color color) {
  if (color.Role != ColorRole::None)
    return QApplication::palette().color(color.Role == ColorRole::WindowText ? QPalette::Text
                                                                             : QPalette::Base);
  return QColor(color.Rgb & 0xFF, (color.Rgb >> 8) & 0xFF, (color.Rgb >> 16) & 0xFF);
}

std::uint32_t FromQColor(const QColor& color) {
  const QColor rgb = color.toRgb();
  return static_cast<std::uint32_t>(rgb.red()) | static_cast<std::uint32_t>(rgb.green()) << 8 |
         static_cast<std::uint32_t>(rgb.blue()) << 16;
}
