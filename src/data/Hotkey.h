#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

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

// The "Hotkey" setting's text in Qt's portable key-sequence form, such as "Ctrl+Alt+Space":
// modifiers and one key joined by "+", names in any case, blanks around a part ignored. At
// least one of Ctrl, Alt and Meta is held, so that the hotkey never takes a key that plain
// typing needs; a modifier given twice, an empty part or a second key is not a hotkey.
std::optional<Hotkey> ParseHotkey(std::string_view text);
