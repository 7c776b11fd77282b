#pragma once

#include "about/frmabout.h"
#include "platform/win32/Handle.h"
#include "platform/win32/ModalWindow.h"

// The About box's native window.
class AboutWindow : public ModalWindow {
 public:
  AboutWindow(HWND owner, const frmabout& about);
  void ShowModal() { RunModal(); }

 private:
  void OnDrawItem(const DRAWITEMSTRUCT& item) override;
  HBRUSH OnColorStatic(HDC dc, HWND control) override;

  HWND note_ = nullptr;  // the centred label with its own colour
  COLORREF noteColor_ = 0;
};
