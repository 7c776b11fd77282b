#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/CommonDialog.h"

// dlg1: one common dialog for the whole run, shared by the menu's "Browse..." and the alias
// editor's "...". It keeps its file name and colour from one use to the next.
class SharedDialog {
 public:
  explicit SharedDialog(CommonDialog& dialog) : dialog_(dialog) {}

  std::vector<FileFilter> Filter = {{"All Files", {"*.*"}},
                                    {"Executable Files", {"*.exe", "*.com", "*.bat"}},
                                    {"Batch Files", {"*.bat"}},
                                    {"Screen Savers", {"*.scr"}}};
  std::string FileName;  // empty until a file has been chosen
  std::uint32_t Color = 0;

  // A cancel returns normally and leaves FileName as it was.
  void ShowOpen();
  // False when the user cancelled; Color is then unchanged.
  bool ShowColor();

 private:
  CommonDialog& dialog_;
};
