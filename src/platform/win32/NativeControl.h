#pragma once

#include <windows.h>

#include <span>
#include <string_view>

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
