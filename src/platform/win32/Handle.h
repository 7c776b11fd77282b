#pragma once

#include <windows.h>

#include <type_traits>
#include <utility>

// Owns one handle and closes it with Close when it goes. Null, and for kernel handles also
// INVALID_HANDLE_VALUE, hold nothing.
template <typename T, auto Close>
class Handle {
 public:
  Handle() = default;
  explicit Handle(T handle) : handle_(handle) {}
  ~Handle() { reset(); }
  Handle(Handle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  Handle& operator=(Handle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  T get() const { return handle_; }
  explicit operator bool() const { return Valid(handle_); }
  void reset(T handle = nullptr) {
    if (Valid(handle_)) Close(handle_);
    handle_ = handle;
  }

 private:
  static bool Valid(T handle) {
    if constexpr (std::is_same_v<T, HANDLE>) return handle && handle != INVALID_HANDLE_VALUE;
    return handle != nullptr;
  }
  T handle_ = nullptr;
};

using WindowHandle = Handle<HWND, DestroyWindow>;
using MenuHandle = Handle<HMENU, DestroyMenu>;
using GdiHandle = Handle<HGDIOBJ, DeleteObject>;
using KernelHandle = Handle<HANDLE, CloseHandle>;
using KeyHandle = Handle<HKEY, RegCloseKey>;
using FindHandle = Handle<HANDLE, FindClose>;

// The object a window was created for: kept with the window from WM_NCCREATE on, so that a
// window procedure can forward each message to it. Null before that message.
template <typename Window>
Window* WindowObject(HWND hwnd, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  return reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}
