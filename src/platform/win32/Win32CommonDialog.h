#pragma once

#include <windows.h>

#include "platform/CommonDialog.h"

// GetOpenFileNameA and ChooseColorA, owned by the strip or the program's modal window over it.
class Win32CommonDialog : public CommonDialog {
 public:
  void SetWindow(HWND strip) { strip_ = strip; }
  // The filter list in the dialog's own form: "|" becomes a zero, and two zeros end it.
  static std::string FilterForDialog(const std::string& filter);

  std::optional<std::string> ShowOpen(const std::string& filter,
                                      const std::string& initialFile) override;
  std::optional<std::uint32_t> ShowColor(std::uint32_t initial) override;

 private:
  HWND strip_ = nullptr;
  COLORREF custom_[16] = {};
};
