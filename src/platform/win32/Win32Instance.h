#pragma once

#include <windows.h>

#include "platform/Instance.h"
#include "platform/win32/Handle.h"

// One instance per user session. A named mutex tells a second start that one is running; the
// running instance presents the application title on a hidden top-level window of its own,
// which also owns the program's dialogs so that they stay off the task bar.
class Win32Instance : public Instance {
 public:
  Win32Instance();
  HWND Window() const { return window_.get(); }

  AnotherInstance IsAnotherRunning() override;
  std::string Title() override;
  void SetTitle(const std::string& title) override;
  bool ActivateByTitle(const std::string& title) override;
  void EndNow() override;

 private:
  WindowHandle window_;
  KernelHandle mutex_;
};
