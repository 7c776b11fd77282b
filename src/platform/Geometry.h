#pragma once

// Window geometry in twips (1/1440 inch), as single-precision floats.
struct Rect {
  float Left = 0;
  float Top = 0;
  float Width = 0;
  float Height = 0;
};

inline bool Intersects(const Rect& a, const Rect& b) {
  return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height &&
         b.Top < a.Top + a.Height;
}

// Mouse button codes as the handlers receive them.
enum MouseButton : int { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };

// Key codes and the shift state as the key handlers receive them.
enum KeyCode : int { vbKeyBack = 0x08, vbKeyTab = 0x09, vbKeyEscape = 0x1B, vbKeyDelete = 0x2E };
enum ShiftState : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };
