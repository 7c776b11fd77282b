#include "platform/win32/Banner.h"

#include <algorithm>
#include <cmath>

#include "about/frmabout.h"
#include "platform/win32/Handle.h"

namespace {

BYTE Mix(int from, int to, double t) { return static_cast<BYTE>(from + (to - from) * t); }

}  // namespace

void DrawBanner(HDC dc, const RECT& area, const char* heading, HFONT baseFont) {
  const int width = std::max<int>(1, area.right - area.left);
  const int height = area.bottom - area.top;
  const double flareX = 0.82 * width;
  for (int x = 0; x < width; ++x) {
    // Dark teal on the left, a light glow around the flare on the right.
    const double ground = static_cast<double>(x) / width;
    const double glow = std::exp(-std::pow((x - flareX) / (0.12 * width), 2));
    const double t = std::min(1.0, 0.35 * ground + 0.75 * glow);
    const COLORREF colour = RGB(Mix(0, 200, t), Mix(64, 235, t), Mix(80, 240, t));
    GdiHandle brush(CreateSolidBrush(colour));
    RECT column{area.left + x, area.top, area.left + x + 1, area.bottom};
    FillRect(dc, &column, static_cast<HBRUSH>(brush.get()));
  }

  const int margin = height / 3;
  LOGFONTA lf{};
  GetObjectA(baseFont, sizeof lf, &lf);
  lf.lfWeight = FW_BOLD;
  lf.lfItalic = TRUE;
  const HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
  GdiHandle font;
  auto select = [&](int size) {
    lf.lfHeight = -size;
    SelectObject(dc, original);  // a font is deleted only when no longer selected
    font.reset(CreateFontIndirectA(&lf));
    SelectObject(dc, font.get());
  };
  select(frmabout::HeadingSize(height, [&](int size) {
    select(size);
    SIZE extent{};
    GetTextExtentPoint32A(dc, heading, lstrlenA(heading), &extent);
    return extent.cx <= width - 2 * margin;
  }));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  RECT text = area;
  text.left += margin;
  DrawTextA(dc, heading, -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, original);
}
