#include "platform/qt/Colors.h"

#include <QApplication>
#include <QPalette>

namespace {
struct SystemColor {
  std::uint32_t Index;
  QPalette::ColorRole Role;
};

// The Windows system colour indexes that have a counterpart in a Qt palette.
constexpr SystemColor kSystemColors[] = {
    {4, QPalette::Window},       {5, QPalette::Base},        {7, QPalette::WindowText},
    {8, QPalette::Text},         {13, QPalette::Highlight},  {14, QPalette::HighlightedText},
    {15, QPalette::Button},      {16, QPalette::Dark},       {18, QPalette::ButtonText},
    {20, QPalette::Light},       {21, QPalette::Shadow},     {22, QPalette::Midlight},
    {23, QPalette::ToolTipText}, {24, QPalette::ToolTipBase},
};
}  // namespace

QColor ToQColor(std::uint32_t value) {
  if (value & 0x80000000u) {
    const std::uint32_t index = value & 0x00FFFFFFu;
    for (const SystemColor& system : kSystemColors)
      if (system.Index == index) return QApplication::palette().color(system.Role);
    return QColor();
  }
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

std::uint32_t FromQColor(const QColor& color) {
  const QColor rgb = color.toRgb();
  return static_cast<std::uint32_t>(rgb.red()) | static_cast<std::uint32_t>(rgb.green()) << 8 |
         static_cast<std::uint32_t>(rgb.blue()) << 16;
}
