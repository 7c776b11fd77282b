#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <string_view>

#include "platform/Geometry.h"

// How a designed control is made natively: its window class and styles.
struct NativeControl {
  const char* Name;
  const char* Class;
  DWORD Style;
  DWORD ExStyle;
};

// The row of the table that makes the named control; the first row for an unknown name.
inline const NativeControl& NativeOf(std::span<const NativeControl> table, std::string_view name) {
  for (const NativeControl& native : table)
    if (name == native.Name) return native;
  return table.front();
}

// The modifier keys held now, as the key handlers take them.
inline int KeyShift() {
  return (GetKeyState(VK_SHIFT) < 0 ? vbShiftMask : 0) |
         (GetKeyState(VK_CONTROL) < 0 ? vbCtrlMask : 0) |
         (GetKeyState(VK_MENU) < 0 ? vbAltMask : 0);
}

// A window's text (a control's, a top-level window's title) in the system code page.
inline std::string WindowText(HWND hwnd) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}
