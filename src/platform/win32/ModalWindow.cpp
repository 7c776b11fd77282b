#include "platform/win32/ModalWindow.h"

#include "platform/Control.h"
#include "platform/win32/NativeControl.h"
#include "platform/win32/Twips.h"
#include "platform/win32/UiFont.h"

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// A dialog of the program's class without controls: each is added at its twips once the
// dialog knows its DPI, which dialog units cannot express.
struct alignas(DWORD) Template {
  DLGTEMPLATE dialog{kStyle, kExStyle, 0, 0, 0, 0, 0};
  WORD menu = 0;
  wchar_t windowClass[18] = L"VellCmdLineDialog";
  WORD title = 0;
};

void RegisterOnce(HINSTANCE instance) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExA(instance, ModalWindow::kClass, &wc)) return;
  wc.lpfnWndProc = DefDlgProcA;
  wc.cbWndExtra = DLGWINDOWEXTRA;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = ModalWindow::kClass;
  RegisterClassExA(&wc);
}

}  // namespace

HWND ModalOwner(HWND strip) {
  return !strip || IsWindowEnabled(strip) ? strip : GetLastActivePopup(strip);
}

void ModalWindow::RunModal(HWND owner) {
  static const Template kTemplate;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterOnce(instance);
  DialogBoxIndirectParamA(instance, &kTemplate.dialog, owner, DialogProc,
                          reinterpret_cast<LPARAM>(this));
  window_ = nullptr;
}

void ModalWindow::Create() {
  SetWindowTextA(window_, caption_);
  dpi_ = GetDpiForWindow(window_);
  font_ = CreateUiFont(dpi_);
  RECT frame{0, 0, TwipsToPixels(width_, dpi_), TwipsToPixels(height_, dpi_)};
  AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, dpi_);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  SetWindowPos(window_, nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  OnCreate();
}

HWND ModalWindow::AddControl(const char* windowClass, const char* text, DWORD style,
                             const Rect& twips, int id, DWORD exStyle) {
  const RECT r = TwipsToPixels(twips, dpi_);
  HWND control = CreateWindowExA(exStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, r.left,
                                 r.top, r.right - r.left, r.bottom - r.top, window_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  return control;
}

INT_PTR CALLBACK ModalWindow::DialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                         LPARAM lParam) noexcept {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    reinterpret_cast<ModalWindow*>(lParam)->window_ = hwnd;
  }
  auto* self = reinterpret_cast<ModalWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  return self ? self->Handle(message, wParam, lParam) : FALSE;
}

INT_PTR ModalWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      Create();
      // A dialog without a control that takes the focus (About) takes it itself: with none,
      // keys would come as system keys.
      if (GetNextDlgTabItem(window_, nullptr, FALSE)) return TRUE;
      SetFocus(window_);
      return FALSE;
    case WM_VKEYTOITEM:
      return OnListKey(LOWORD(wParam), KeyShift()) ? -2 : -1;
    case WM_COMMAND:
      // Esc, with any modifier, comes as IDCANCEL, and so does the close box.
      if (LOWORD(wParam) == IDCANCEL &&
          (GetKeyState(VK_ESCAPE) >= 0 || ClosesDialog(VK_ESCAPE, KeyShift())))
        EndDialog(window_, IDCANCEL);
      else
        OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<INT_PTR>(
          OnColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
  }
  return FALSE;
}
