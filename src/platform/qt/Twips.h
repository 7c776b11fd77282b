#pragma once

#include <QRect>

#include "platform/Geometry.h"

// Twips per device-independent pixel: 1440 per inch over the primary screen's logical DPI
// (15 at 96 dpi).
double TwipsPerPixel();

int ToPixels(float twips);
float ToTwips(int pixels);
QRect ToPixels(const Rect& twips);
Rect ToTwips(const QRect& pixels);
