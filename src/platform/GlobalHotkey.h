#pragma once

#include <functional>

#include "data/Hotkey.h"

// What registering a hotkey came to.
enum class HotkeyRegistration { Registered, Taken, Unavailable };

// A key that reaches the program whichever window has the keyboard.
class GlobalHotkey {
 public:
  virtual ~GlobalHotkey() = default;
  // Taken: the system refused this key (another program holds it, or the keyboard has no such
  // key); Unavailable: the desktop lets no program register one. pressed runs on the user
  // interface thread at every press.
  virtual HotkeyRegistration Register(const Hotkey& hotkey, std::function<void()> pressed) = 0;
};
