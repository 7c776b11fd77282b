#pragma once

#include "platform/Screen.h"
#include "platform/win32/Twips.h"

// Every monitor with its DPI.
std::vector<MonitorDpi> DisplayMonitors();

// The desktop in twips: physical pixels at the system's DPI, the coordinate system of a window's
// place.
class Win32Screen : public Screen {
 public:
  float Width() override;
  float Height() override;
  std::vector<Rect> Monitors() override;
};
