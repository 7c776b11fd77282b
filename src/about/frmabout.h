#pragma once

#include <functional>

#include "platform/Color.h"
#include "platform/Geometry.h"
#include "platform/Platform.h"

// The About box: a static window that names the program and its version.
class frmabout {
 public:
  static constexpr const char* kCaption = "About...";
  static constexpr float kClientWidth = 3930;
  static constexpr float kClientHeight = 2970;

  struct Label {
    const char* Text;
    Rect Position;
    bool Centred;  // otherwise right-aligned
    Color ForeColor;
  };

  // The banner picture box: 244 x 67 pixels of artwork plus its border.
  static constexpr Rect kPicture1{120, 120, 3720, 1065};

  explicit frmabout(Platform platform) : platform_(platform) {}
  // Label1(index)'s text: the first names the system the program runs on.
  const char* Text(int index) const {
    return index == 0 && platform_ == Platform::Linux ? "Vell CommandLine For Linux"
                                                      : kLabel1[index].Text;
  }

  // A one-line label keeps its designed box on any desktop: its font, in points, narrows by half
  // a point at a time, to 6 points at the least, until the text fits.
  static float LabelFontSize(float designed, bool oneLine, const std::function<bool(float)>& fits) {
    float size = designed;
    while (oneLine && size > 6 && !fits(size)) size -= 0.5f;
    return size;
  }
  // The banner's heading, in pixels: as large as the banner's height allows, a tenth smaller at a
  // time where its width would not; never below 7.
  static int HeadingSize(int bannerHeight, const std::function<bool(int)>& fits) {
    int size = bannerHeight * 11 / 20;
    while (size * 9 / 10 > 6 && !fits(size)) size = size * 9 / 10;
    return size;
  }

  // Label1(0) to Label1(3), by index.
  static constexpr Label kLabel1[4] = {
      {"Vell CommandLine For 32 bit Windows", {120, 1320, 3735, 255}, false, kWindowText},
      {"Version 2.2", {120, 1800, 3735, 255}, false, kWindowText},
      {"This program is free to use and to pass on unchanged. It comes with no warranty of "
       "any kind.",
       {120, 2160, 3735, 855},
       true,
       Color::OfRgb(0x00C00000)},
      {"(C) 2026 Vell Command Line team",
       {120, 1560, 3735, 255},
       false,
       kWindowText},
  };

 private:
  Platform platform_;
};
