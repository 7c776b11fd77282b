#pragma once

#include <windows.h>

// Draws a banner into the rectangle: white heading on a dark blue-green ground that brightens
// into a light flare towards the right.
void DrawBanner(HDC dc, const RECT& area, const char* heading, HFONT baseFont);
