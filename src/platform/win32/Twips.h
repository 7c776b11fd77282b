#pragma once

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/Geometry.h"

// 1440 twips to the inch; dpi pixels to the inch.
inline int TwipsToPixels(float twips, UINT dpi) {
  return static_cast<int>(std::lround(twips * static_cast<float>(dpi) / 1440.0f));
}

inline float PixelsToTwips(int pixels, UINT dpi) {
  return static_cast<float>(pixels) * 1440.0f / static_cast<float>(dpi);
}

inline RECT TwipsToPixels(const Rect& r, UINT dpi) {
  const int left = TwipsToPixels(r.Left, dpi);
  const int top = TwipsToPixels(r.Top, dpi);
  return RECT{left, top, left + TwipsToPixels(r.Width, dpi), top + TwipsToPixels(r.Height, dpi)};
}

inline Rect PixelsToTwips(const RECT& r, UINT dpi) {
  return Rect{PixelsToTwips(r.left, dpi), PixelsToTwips(r.top, dpi),
              PixelsToTwips(r.right - r.left, dpi), PixelsToTwips(r.bottom - r.top, dpi)};
}

// A window's place and size in twips. Places and the desktop share one coordinate system across
// every monitor, physical pixels at the system DPI; a size goes with the window's own DPI, as its
// font does, so the strip keeps its proportions on any monitor.
inline Rect WindowToTwips(const RECT& window, UINT systemDpi, UINT windowDpi) {
  return Rect{PixelsToTwips(window.left, systemDpi), PixelsToTwips(window.top, systemDpi),
              PixelsToTwips(window.right - window.left, windowDpi),
              PixelsToTwips(window.bottom - window.top, windowDpi)};
}

// A monitor's area in physical pixels and its DPI.
struct MonitorDpi {
  RECT Area;
  UINT Dpi;
};

// The DPI a window there gets: that of the monitor holding the largest part of it, as Windows
// chooses; fallback on no monitor.
inline UINT DpiAt(const RECT& window, const std::vector<MonitorDpi>& monitors, UINT fallback) {
  long long largest = 0;
  UINT dpi = fallback;
  for (const MonitorDpi& m : monitors) {
    const long long across =
        std::min(window.right, m.Area.right) - std::max(window.left, m.Area.left);
    const long long down =
        std::min(window.bottom, m.Area.bottom) - std::max(window.top, m.Area.top);
    if (across > 0 && down > 0 && across * down > largest) {
      largest = across * down;
      dpi = m.Dpi;
    }
  }
  return dpi;
}

// The window's rectangle in physical pixels: the place at the system DPI, the size at the DPI of
// the monitor it lands on (found with the size at the system DPI).
inline RECT WindowToPixels(const Rect& twips, UINT systemDpi,
                           const std::vector<MonitorDpi>& monitors) {
  const int left = TwipsToPixels(twips.Left, systemDpi);
  const int top = TwipsToPixels(twips.Top, systemDpi);
  RECT r{left, top, left + TwipsToPixels(twips.Width, systemDpi),
         top + TwipsToPixels(twips.Height, systemDpi)};
  const UINT dpi = DpiAt(r, monitors, systemDpi);
  r.right = left + TwipsToPixels(twips.Width, dpi);
  r.bottom = top + TwipsToPixels(twips.Height, dpi);
  return r;
}
