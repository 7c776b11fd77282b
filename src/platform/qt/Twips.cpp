#include "platform/qt/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

double TwipsPerPixel() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
  return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int ToPixels(float twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel())); }

float ToTwips(int pixels) { return static_cast<float>(pixels * TwipsPerPixel()); }

QRect ToPixels(const Rect& twips) {
  return QRect(ToPixels(twips.Left), ToPixels(twips.Top), ToPixels(twips.Width),
               ToPixels(twips.Height));
}

Rect ToTwips(const QRect& pixels) {
  return Rect{ToTwips(pixels.x()), ToTwips(pixels.y()), ToTwips(pixels.width()),
              ToTwips(pixels.height())};
}
