#pragma once

#include <windows.h>

#include "platform/Geometry.h"
#include "platform/win32/Handle.h"

// The window a new modal window of the program belongs to: the strip, or the modal window that
// has disabled it, which the new one must disable in turn. Owned so, every window of the program
// stays above a topmost strip.
HWND ModalOwner(HWND strip);

// A fixed-size dialog with a close box only, laid out in twips, run by the system's dialog
// manager: its owner takes no input until it closes, and Tab, the arrows and Esc work as in any
// dialog. The session's end is not its business: the strip is asked too, and the strip's close
// path saves what an open editor holds first.
class ModalWindow {
 public:
  static constexpr const char* kClass = "VellCmdLineDialog";

  virtual ~ModalWindow() = default;
  // The dialog while it is shown, else null.
  HWND hwnd() const { return window_; }
  // Shows the dialog, owned by owner (ModalOwner), and returns when it has closed.
  void RunModal(HWND owner);

 protected:
  ModalWindow(const char* caption, float clientWidth, float clientHeight)
      : caption_(caption), width_(clientWidth), height_(clientHeight) {}
  HWND AddControl(const char* windowClass, const char* text, DWORD style, const Rect& twips, int id,
                  DWORD exStyle = 0);

  // The dialog has been created: add the controls.
  virtual void OnCreate() = 0;
  // A key pressed in the list box with LBS_WANTKEYBOARDINPUT, before the list's own handling;
  // true when handled. Virtual-key codes are the handlers' key codes.
  virtual bool OnListKey(int /*KeyCode*/, int /*Shift*/) { return false; }
  virtual void OnCommand(int /*id*/, int /*code*/) {}
  virtual void OnDrawItem(const DRAWITEMSTRUCT& /*item*/) {}
  // A brush for a static control's background, after setting its colours; null for the default.
  virtual HBRUSH OnColorStatic(HDC /*dc*/, HWND /*control*/) { return nullptr; }

  HFONT Font() const { return static_cast<HFONT>(font_.get()); }

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Create();

  const char* caption_;
  float width_, height_;
  HWND window_ = nullptr;  // the dialog manager destroys it
  GdiHandle font_;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
};
