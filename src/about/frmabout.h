#pragma once

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
