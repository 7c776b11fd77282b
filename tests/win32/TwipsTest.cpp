#include <gtest/gtest.h>

#include "platform/win32/Twips.h"

namespace {

// Two monitors side by side at a system DPI of 96: a 1920 x 1080 one at 96 DPI and, to its right,
// a 2880 x 1620 one at 144 DPI (150 %).
constexpr UINT kSystemDpi = 96;
const std::vector<MonitorDpi> kMonitors = {{{0, 0, 1920, 1080}, 96}, {{1920, 0, 4800, 1620}, 144}};

// A strip saved where it was comes back at the same physical place and size; its place in twips
// is at the system DPI, as the desktop's coordinates are, so the off-screen test compares like
// with like, and its size at its own DPI.
TEST(Twips, savedStripComesBackAtTheSamePhysicalPlaceAndSize) {
  const struct {
    RECT window;
    UINT windowDpi;
    Rect twips;
  } cases[] = {
      {{100, 200, 500, 244}, 96, {1500, 3000, 6000, 660}},      // on the 96-DPI monitor
      {{2100, 300, 2700, 366}, 144, {31500, 4500, 6000, 660}},  // on the 144-DPI one
      {{1800, 100, 2400, 166}, 144, {27000, 1500, 6000, 660}},  // mostly on it, across the border
      {{4000, 1500, 4600, 1566}, 144, {60000, 22500, 6000, 660}},  // below the 96-DPI one
  };
  for (const auto& c : cases) {
    const Rect twips = WindowToTwips(c.window, kSystemDpi, c.windowDpi);
    EXPECT_EQ(twips.Left, c.twips.Left) << c.window.left;
    EXPECT_EQ(twips.Top, c.twips.Top) << c.window.left;
    EXPECT_EQ(twips.Width, c.twips.Width) << c.window.left;
    EXPECT_EQ(twips.Height, c.twips.Height) << c.window.left;
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
    int x, width, height;
  } cases[] = {{1500, 100, 400, 30}, {31500, 2100, 600, 45}, {28500, 1900, 600, 45}};
  for (const auto& c : cases) {
    Rect at = strip;
    at.Left = c.left;
    const RECT r = WindowToPixels(at, kSystemDpi, kMonitors);
    EXPECT_EQ(r.left, c.x) << c.left;
    EXPECT_EQ(r.right - r.left, c.width) << c.left;
    EXPECT_EQ(r.bottom - r.top, c.height) << c.left;
  }
  EXPECT_EQ(DpiAt(RECT{-500, -500, -100, -100}, kMonitors, 120), 120u);
}

}  // namespace
