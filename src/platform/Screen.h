#pragma once

#include <vector>

#include "platform/Geometry.h"

class Screen {
 public:
  virtual ~Screen() = default;
  // The primary screen, in twips.
  virtual float Width() = 0;
  virtual float Height() = 0;
  // Every monitor's area on the desktop, in twips.
  virtual std::vector<Rect> Monitors() = 0;
};
