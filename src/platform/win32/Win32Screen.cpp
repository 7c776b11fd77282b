#include "platform/win32/Win32Screen.h"

#include <shellscalingapi.h>

std::vector<MonitorDpi> DisplayMonitors() {
  std::vector<MonitorDpi> monitors;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, LPRECT area, LPARAM list) -> BOOL {
        UINT dpi = 0, dpiY = 0;
        if (FAILED(GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpi, &dpiY)))
          dpi = GetDpiForSystem();
        reinterpret_cast<std::vector<MonitorDpi>*>(list)->push_back(MonitorDpi{*area, dpi});
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

float Win32Screen::Width() {
  return PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), GetDpiForSystem());
}

float Win32Screen::Height() {
  return PixelsToTwips(GetSystemMetrics(SM_CYSCREEN), GetDpiForSystem());
}

std::vector<Rect> Win32Screen::Monitors() {
  std::vector<Rect> monitors;
  for (const MonitorDpi& m : DisplayMonitors())
    monitors.push_back(PixelsToTwips(m.Area, GetDpiForSystem()));
  return monitors;
}
