#include <gtest/gtest.h>

#include "platform/win32/Twips.h"

namespace {

// Two monitors side by side at a system DPI of 96: a 1920 x 1080 one at 96 DPI and, to its right,
// a 2880 x 1620 one at 144 DPI (150 %).
constexpr UINT kSystemDpi = 96;
const std::vector<MonitorDpi> kMonitors = {{{0, 0, 1920, 1080}, 96}, {{1920, 0, 4800, 1620}, 144}};

// The monitor whose area holds the point, in pixels or in twips.
int MonitorAt(long x, long y) {
  for (int i = 0; i < static_cast<int>(kMonitors.size()); ++i) {
    const RECT& a = kMonitors[i].Area;
    if (x >= a.left && x < a.right && y >= a.top && y < a.bottom) return i;
  }
  return -1;
}
int MonitorAt(const Rect& twips) {
  for (int i = 0; i < static_cast<int>(kMonitors.size()); ++i) {
    const Rect m = PixelsToTwips(kMonitors[i].Area, kSystemDpi);
    if (twips.Left >= m.Left && twips.Left < m.Left + m.Width && twips.Top >= m.Top &&
        twips.Top < m.Top + m.Height)
      return i;
  }
  return -1;
}

// A strip saved where it was comes back at the same physical place and size; in twips it lies on
// the same monitor as on the screen, so the off-screen test compares like with like.
TEST(Twips, savedStripComesBackAtTheSamePhysicalPlaceAndSize) {
  const struct {
    RECT window;
    UINT windowDpi;
  } cases[] = {
      {{100, 200, 500, 244}, 96},       // on the 96-DPI monitor
      {{2100, 300, 2700, 366}, 144},    // on the 144-DPI one, whose places are beyond 2 inches
      {{1800, 100, 2400, 166}, 144},    // mostly on the 144-DPI one, across the border
      {{4000, 1500, 4600, 1566}, 144},  // beyond the 96-DPI monitor's height
  };
  for (const auto& c : cases) {
    const Rect twips = WindowToTwips(c.window, kSystemDpi, c.windowDpi);
    EXPECT_EQ(MonitorAt(twips), MonitorAt(c.window.left, c.window.top)) << c.window.left;
    const RECT back = WindowToPixels(twips, kSystemDpi, kMonitors);
    EXPECT_EQ(back.left, c.window.left);
    EXPECT_EQ(back.top, c.window.top);
    EXPECT_EQ(back.right, c.window.right);
    EXPECT_EQ(back.bottom, c.window.bottom);
  }
}

// Moved to another monitor, a strip takes the size its twips have at that monitor's DPI.
TEST(Twips, sizeFollowsTheDestinationMonitor) {
  const Rect strip{0, 0, 6000, 450};
  const struct {
    float left;
    int width, height;
  } cases[] = {{1500, 400, 30}, {31500, 600, 45}, {28500, 600, 45}};
  for (const auto& c : cases) {
    Rect at = strip;
    at.Left = c.left;
    const RECT r = WindowToPixels(at, kSystemDpi, kMonitors);
    EXPECT_EQ(r.left, TwipsToPixels(c.left, kSystemDpi)) << c.left;
    EXPECT_EQ(r.right - r.left, c.width) << c.left;
    EXPECT_EQ(r.bottom - r.top, c.height) << c.left;
  }
  EXPECT_EQ(DpiAt(RECT{-500, -500, -100, -100}, kMonitors, 120), 120u);
}

}  // namespace
