#pragma once

#include "platform/Screen.h"

// The desktop in twips, at the system's DPI.
class Win32Screen : public Screen {
 public:
  float Width() override;
  float Height() override;
  std::vector<Rect> Monitors() override;
};
