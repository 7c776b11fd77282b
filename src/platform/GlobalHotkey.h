#pragma once

#include <cstdint>
#include <functional>

// The modifiers of a hotkey, as bits.
enum HotkeyModifier : unsigned {
  kHotkeyCtrl = 1,
  kHotkeyAlt = 2,
  kHotkeyShift = 4,
  kHotkeyMeta = 8,  // the Windows key, Super on Linux
};

// A key without its modifiers: a printable ASCII character (letters in upper case) is its own
// code; Space and the named keys below are not printable, so each has a code of its own. The
// function keys are F1 + 0 .. F1 + 23.
enum class HotkeyKey : std::uint16_t {
  Space = ' ',
  Tab = 0x100,
  Return,
  Escape,
  Insert,
  Delete,
  Home,
  End,
  PageUp,
  PageDown,
  Left,
  Right,
  Up,
  Down,
  Backspace,
  Pause,
  Print,
  F1 = 0x200,
};

// One key with the modifiers held for it.
struct Hotkey {
  unsigned Modifiers = 0;
  HotkeyKey Key = HotkeyKey::Space;
  friend bool operator==(const Hotkey&, const Hotkey&) = default;
};

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
