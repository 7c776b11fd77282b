#pragma once

#include <windows.h>

#include <cmath>

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
