#pragma once

#include <windows.h>

#include "platform/GlobalHotkey.h"

// RegisterHotKey on the strip's window; its WM_HOTKEY is caught there by a subclass.
class Win32GlobalHotkey : public GlobalHotkey {
 public:
  Win32GlobalHotkey() = default;
  Win32GlobalHotkey(const Win32GlobalHotkey&) = delete;
  Win32GlobalHotkey& operator=(const Win32GlobalHotkey&) = delete;
  ~Win32GlobalHotkey() override;

  // The window that receives the hotkey: the strip, created before the load handler runs.
  void SetWindow(HWND hwnd) { hwnd_ = hwnd; }
  HotkeyRegistration Register(const Hotkey& hotkey, std::function<void()> pressed) override;

  static constexpr int kId = 1;

 private:
  static LRESULT CALLBACK Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR id, DWORD_PTR self) noexcept;

  HWND hwnd_ = nullptr;
  bool registered_ = false;
  std::function<void()> pressed_;
};
