#pragma once

#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/GlobalHotkey.h"

struct xcb_connection_t;

// A hotkey on X: a passive grab of the key on every root window, with and without NumLock and
// CapsLock. Wayland gives a program no such key: there the desktop's own shortcut that starts
// the program does it.
class QtGlobalHotkey : public GlobalHotkey, public QAbstractNativeEventFilter {
 public:
  QtGlobalHotkey() = default;
  QtGlobalHotkey(const QtGlobalHotkey&) = delete;
  QtGlobalHotkey& operator=(const QtGlobalHotkey&) = delete;
  ~QtGlobalHotkey() override;

  HotkeyRegistration Register(const Hotkey& hotkey, std::function<void()> pressed) override;
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  void Ungrab();

  xcb_connection_t* connection_ = nullptr;
  std::vector<std::uint32_t> roots_;
  std::vector<std::uint8_t> keycodes_;
  std::uint16_t modifiers_ = 0;
  std::function<void()> pressed_;
};
