#pragma once

#include <windows.h>

// The operating-system functions the program calls by name, in one place.
namespace Module1 {
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL ReleaseCapture();
LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
HINSTANCE ShellExecuteA(HWND hwnd, const char* operation, const char* file, const char* parameters,
                        const char* directory, INT showCommand);
}  // namespace Module1
