#pragma once

#include <windows.h>

#include "platform/Geometry.h"
#include "platform/win32/Handle.h"

// The window a new modal window of the program belongs to: the strip, or the modal window that
// has disabled it, which the new one must disable in turn. Owned so, every window of the program
// stays above a topmost strip.
HWND ModalOwner(HWND strip);

// A fixed-size window with a close box only, laid out in twips, shown modally: the program's
// other windows take no input until it closes. The session's end is not its business: the strip
// is asked too, and the strip's close path saves what an open editor holds first.
class ModalWindow {
 public:
  static constexpr const char* kClass = "VellCmdLineDialog";

  virtual ~ModalWindow() = default;
  HWND hwnd() const { return window_.get(); }

 protected:
  // Created hidden and owned by owner (ModalOwner), which keeps it off the task bar.
  ModalWindow(HWND owner, const char* caption, float clientWidth, float clientHeight);
  HWND AddControl(const char* windowClass, const char* text, DWORD style, const Rect& twips, int id,
                  DWORD exStyle = 0);
  // Shows the window and runs its messages until it is closed.
  void RunModal();

  // A key pressed in one of the window's controls, before the dialog keys; true when handled.
  // Virtual-key codes are the handlers' key codes.
  virtual bool OnKeyDown(HWND /*control*/, int /*KeyCode*/, int /*Shift*/) { return false; }
  virtual void OnCommand(int /*id*/, int /*code*/) {}
  virtual void OnDrawItem(const DRAWITEMSTRUCT& /*item*/) {}
  // A brush for a static control's background, after setting its colours; null for the default.
  virtual HBRUSH OnColorStatic(HDC /*dc*/, HWND /*control*/) { return nullptr; }

  HFONT Font() const { return static_cast<HFONT>(font_.get()); }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  WindowHandle window_;
  GdiHandle font_;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  bool closed_ = false;
};
