#pragma once

#include <QPixmap>

// The banner pictures, drawn here rather than shipped as images.
// The alias editor's: 369 x 54 pixels, the heading in white on dark blue-green with a light
// flare towards the right.
QPixmap AliasBanner(const QString& heading);
// The About box's title artwork: 244 x 67 pixels.
QPixmap AboutBanner();
