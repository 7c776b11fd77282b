#pragma once

#include <windows.h>

#include "platform/CommonDialog.h"

// GetOpenFileNameA and ChooseColorA, owned by the strip or the program's modal window over it.
class Win32CommonDialog : public CommonDialog {
 public:
  void SetWindow(HWND strip) { strip_ = strip; }
  // The filters in the dialog's own form: description and patterns (joined by ";") each ended
  // by a zero, and a zero more at the end.
  static std::string FilterForDialog(const std::vector<FileFilter>& filters);

  std::optional<std::string> ShowOpen(const std::vector<FileFilter>& filters,
                                      const std::string& initialFile) override;
  std::optional<std::uint32_t> ShowColor(std::uint32_t initial) override;

 private:
  HWND strip_ = nullptr;
  COLORREF custom_[16] = {};
};
