// The baseline for the start-up timing: a program that only shows one empty window.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (message == WM_CLOSE) ExitProcess(0);
    return DefWindowProcA(hwnd, message, wParam, lParam);
  };
  wc.hInstance = instance;
  wc.lpszClassName = "BareWindow";
  RegisterClassA(&wc);
  CreateWindowExA(WS_EX_TOOLWINDOW, "BareWindow", "", WS_POPUP | WS_THICKFRAME | WS_VISIBLE, 100,
                  100, 260, 78, nullptr, nullptr, instance, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
