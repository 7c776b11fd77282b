#pragma once

#include "platform/win32/Handle.h"

// The system's message font at the given DPI, for every control of the program.
GdiHandle CreateUiFont(UINT dpi);
// Sets the font on every child of the window.
void ApplyFont(HWND parent, HFONT font);
