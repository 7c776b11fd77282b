#pragma once

#include <windows.h>

#include <functional>

#include "platform/Instance.h"
#include "platform/win32/Handle.h"

// One instance per user session. A named mutex tells a second start that one is running; the
// running instance presents the application title on a hidden top-level window of its own. A
// second start that finds this window asks it to activate the program.
class Win32Instance : public Instance {
 public:
  Win32Instance();
  HWND Window() const { return window_.get(); }
  // What a later start's request does here.
  void OnActivate(std::function<void()> activate) { activate_ = std::move(activate); }

  AnotherInstance IsAnotherRunning() override;
  std::string Title() override;
  void SetTitle(const std::string& title) override;
  bool ActivateByTitle(const std::string& title) override;
  void EndNow() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;

  std::function<void()> activate_;
  WindowHandle window_;
  KernelHandle mutex_;
};
