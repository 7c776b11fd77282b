#pragma once

#include "platform/MsgBox.h"

// MessageBoxA without an icon, modal to the window that is active when it opens.
class Win32MsgBox : public MsgBox {
 public:
  MsgBoxResult Show(const std::string& text, const std::string& caption,
                    MsgBoxButtons buttons) override;
};
