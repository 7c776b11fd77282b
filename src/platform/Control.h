#pragma once

#include <algorithm>
#include <span>
#include <string_view>
#include <vector>

#include "platform/Geometry.h"

// A designed control of a window: its name, caption, place in twips and tab index. A control
// that is no tab stop takes the focus from a click only.
struct Control {
  const char* Name;
  const char* Text;
  Rect Position;
  int TabIndex;
  bool TabStop = true;
};

// The names of the controls that are tab stops, in tab order.
inline std::vector<std::string_view> TabOrder(std::span<const Control> controls) {
  std::vector<const Control*> stops;
  for (const Control& control : controls)
    if (control.TabStop) stops.push_back(&control);
  std::sort(stops.begin(), stops.end(),
            [](const Control* a, const Control* b) { return a->TabIndex < b->TabIndex; });
  std::vector<std::string_view> names;
  for (const Control* control : stops) names.push_back(control->Name);
  return names;
}

// Escape, in any control of one of the program's dialogs (the alias editor, About), closes it
// as its close box does.
inline bool ClosesDialog(int KeyCode, int Shift) { return KeyCode == vbKeyEscape && Shift == 0; }
