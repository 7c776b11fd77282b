#include "platform/win32/ModalWindow.h"

#include <vector>

#include "platform/Control.h"
#include "platform/win32/NativeControl.h"
#include "platform/win32/Twips.h"
#include "platform/win32/UiFont.h"

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

void RegisterOnce(HINSTANCE instance, WNDPROC proc) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExA(instance, ModalWindow::kClass, &wc)) return;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = ModalWindow::kClass;
  RegisterClassExA(&wc);
}

// The program's other enabled, visible windows on this thread.
std::vector<HWND> OtherWindows(HWND self) {
  std::vector<HWND> windows;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM list) -> BOOL {
        if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd))
          reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  std::erase(windows, self);
  return windows;
}

}  // namespace

HWND ModalOwner(HWND strip) {
  return !strip || IsWindowEnabled(strip) ? strip : GetLastActivePopup(strip);
}

ModalWindow::ModalWindow(HWND owner, const char* caption, float clientWidth, float clientHeight) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterOnce(instance, WindowProc);
  window_.reset(CreateWindowExA(kExStyle, kClass, caption, kStyle, 0, 0, 0, 0, owner, nullptr,
                                instance, this));
  dpi_ = GetDpiForWindow(hwnd());
  font_ = CreateUiFont(dpi_);
  RECT frame{0, 0, TwipsToPixels(clientWidth, dpi_), TwipsToPixels(clientHeight, dpi_)};
  AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, dpi_);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  SetWindowPos(hwnd(), nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND ModalWindow::AddControl(const char* windowClass, const char* text, DWORD style,
                             const Rect& twips, int id, DWORD exStyle) {
  const RECT r = TwipsToPixels(twips, dpi_);
  HWND control = CreateWindowExA(exStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, r.left,
                                 r.top, r.right - r.left, r.bottom - r.top, hwnd(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  return control;
}

void ModalWindow::RunModal() {
  const auto disabled = OtherWindows(hwnd());
  for (HWND other : disabled) EnableWindow(other, FALSE);
  ShowWindow(hwnd(), SW_SHOWNORMAL);
  // A window without a control that takes the focus (About) takes it itself: with none, keys
  // would come as system keys.
  const HWND first = GetNextDlgTabItem(hwnd(), nullptr, FALSE);
  SetFocus(first ? first : hwnd());
  MSG msg;
  while (!closed_) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: leave the quit message for the main loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WM_KEYDOWN && msg.wParam <= 0xFF &&
        (msg.hwnd == hwnd() || IsChild(hwnd(), msg.hwnd))) {
      const int key = static_cast<int>(msg.wParam);
      if (ClosesDialog(key, KeyShift())) {
        closed_ = true;
        continue;
      }
      if (OnKeyDown(msg.hwnd, key, KeyShift())) continue;
    }
    if (IsDialogMessageA(hwnd(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  // Enabled again before the window goes, so that activation returns to them.
  for (HWND other : disabled) EnableWindow(other, TRUE);
  ShowWindow(hwnd(), SW_HIDE);
}

LRESULT CALLBACK ModalWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                         LPARAM lParam) noexcept {
  auto* self = WindowObject<ModalWindow>(hwnd, message, lParam);
  // Messages that arrive while the window is being created or destroyed go to the default.
  if (!self || !self->window_) return DefWindowProcA(hwnd, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

LRESULT ModalWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      closed_ = true;
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_CTLCOLORSTATIC:
      if (HBRUSH brush =
              OnColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
        return reinterpret_cast<LRESULT>(brush);
      break;
  }
  return DefWindowProcA(hwnd(), message, wParam, lParam);
}
