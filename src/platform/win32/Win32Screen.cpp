#include "platform/win32/Win32Screen.h"

#include "platform/win32/Twips.h"

float Win32Screen::Width() {
  return PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), GetDpiForSystem());
}

float Win32Screen::Height() {
  return PixelsToTwips(GetSystemMetrics(SM_CYSCREEN), GetDpiForSystem());
}

std::vector<Rect> Win32Screen::Monitors() {
  std::vector<Rect> monitors;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR, HDC, LPRECT area, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<Rect>*>(list)->push_back(
            PixelsToTwips(*area, GetDpiForSystem()));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}
