#pragma once

#include "about/frmabout.h"
#include "platform/win32/Handle.h"
#include "platform/win32/ModalWindow.h"

// The About box's native window.
class AboutWindow : public ModalWindow {
 public:
  explicit AboutWindow(const frmabout& about)
      : ModalWindow(frmabout::kCaption, frmabout::kClientWidth, frmabout::kClientHeight),
        about_(about) {}

 private:
  void OnCreate() override;
  void OnDrawItem(const DRAWITEMSTRUCT& item) override;
  HBRUSH OnColorStatic(HDC dc, HWND control) override;

  const frmabout& about_;
  HWND note_ = nullptr;  // the centred label with its own colour
  COLORREF noteColor_ = 0;
};
