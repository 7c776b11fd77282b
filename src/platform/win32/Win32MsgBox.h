#pragma once

#include <windows.h>

#include "platform/MsgBox.h"

// MessageBoxA without an icon, owned by the strip or the program's modal window over it.
class Win32MsgBox : public MsgBox {
 public:
  void SetWindow(HWND strip) { strip_ = strip; }
  MsgBoxResult Show(const std::string& text, const std::string& caption,
                    MsgBoxButtons buttons) override;

 private:
  HWND strip_ = nullptr;
};
