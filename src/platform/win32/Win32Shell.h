#pragma once

#include <windows.h>

#include <string>

#include "platform/Shell.h"

// The user's profile folder, where commands start; empty when the system names none.
std::string ProfileFolder();

// What ShellExecuteA's answer means: above 32 started, else its error number.
ShellResult ShellResultOf(INT_PTR code);

// ShellExecuteA, started in the user's profile folder, on behalf of the command window.
class Win32Shell : public Shell {
 public:
  void SetWindow(HWND hwnd) { hwnd_ = hwnd; }
  ShellResult Execute(const ShellRequest& request) override;

 private:
  HWND hwnd_ = nullptr;
};
