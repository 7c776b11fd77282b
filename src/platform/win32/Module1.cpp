#include "platform/win32/Module1.h"

#include <shellapi.h>

namespace Module1 {

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  return ::SetWindowPos(hwnd, insertAfter, x, y, cx, cy, flags);
}

BOOL ReleaseCapture() { return ::ReleaseCapture(); }

LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageA(hwnd, message, wParam, lParam);
}

HINSTANCE ShellExecuteA(HWND hwnd, const char* operation, const char* file, const char* parameters,
                        const char* directory, INT showCommand) {
  return ::ShellExecuteA(hwnd, operation, file, parameters, directory, showCommand);
}

}  // namespace Module1
