#include <gtest/gtest.h>

#include "data/Hotkey.h"

namespace {

constexpr unsigned kCtrlAlt = kHotkeyCtrl | kHotkeyAlt;
constexpr HotkeyKey Char(char c) { return static_cast<HotkeyKey>(c); }
constexpr HotkeyKey F(int n) {
  return static_cast<HotkeyKey>(static_cast<unsigned>(HotkeyKey::F1) + n - 1);
}

struct ParseCase {
  const char* text;
  std::optional<Hotkey> hotkey;  // none: not a hotkey
};

TEST(Hotkey, parsesQtsPortableFormAndRefusesTheRest) {
  const ParseCase cases[] = {
      {"Ctrl+Alt+Space", Hotkey{kCtrlAlt, HotkeyKey::Space}},
      {"ctrl+ALT+space", Hotkey{kCtrlAlt, HotkeyKey::Space}},
      {"Alt+Ctrl+Space", Hotkey{kCtrlAlt, HotkeyKey::Space}},
      {" Ctrl + Alt + h ", Hotkey{kCtrlAlt, Char('H')}},
      {"Meta+Shift+Z", Hotkey{kHotkeyMeta | kHotkeyShift, Char('Z')}},
      {"Ctrl+Shift+Alt+Meta+0", Hotkey{15, Char('0')}},
      {"Alt+9", Hotkey{kHotkeyAlt, Char('9')}},
      {"Ctrl+F1", Hotkey{kHotkeyCtrl, F(1)}},
      {"ctrl+f24", Hotkey{kHotkeyCtrl, F(24)}},
      {"Ctrl+F12", Hotkey{kHotkeyCtrl, F(12)}},
      {"Ctrl+Esc", Hotkey{kHotkeyCtrl, HotkeyKey::Escape}},
      {"Ctrl+Escape", Hotkey{kHotkeyCtrl, HotkeyKey::Escape}},
      {"Ctrl+Return", Hotkey{kHotkeyCtrl, HotkeyKey::Return}},
      {"Ctrl+Enter", Hotkey{kHotkeyCtrl, HotkeyKey::Return}},
      {"Ctrl+Ins", Hotkey{kHotkeyCtrl, HotkeyKey::Insert}},
      {"Ctrl+Del", Hotkey{kHotkeyCtrl, HotkeyKey::Delete}},
      {"Ctrl+PgUp", Hotkey{kHotkeyCtrl, HotkeyKey::PageUp}},
      {"Ctrl+PgDown", Hotkey{kHotkeyCtrl, HotkeyKey::PageDown}},
      {"Ctrl+Tab", Hotkey{kHotkeyCtrl, HotkeyKey::Tab}},
      {"Ctrl+Backspace", Hotkey{kHotkeyCtrl, HotkeyKey::Backspace}},
      {"Ctrl+Pause", Hotkey{kHotkeyCtrl, HotkeyKey::Pause}},
      {"Ctrl+Print", Hotkey{kHotkeyCtrl, HotkeyKey::Print}},
      {"Alt+Down", Hotkey{kHotkeyAlt, HotkeyKey::Down}},
      {"Ctrl+Alt+/", Hotkey{kCtrlAlt, Char('/')}},
      {"Ctrl+`", Hotkey{kHotkeyCtrl, Char('`')}},
      {"Ctrl+\\", Hotkey{kHotkeyCtrl, Char('\\')}},
      {"Ctrl+,", Hotkey{kHotkeyCtrl, Char(',')}},
      // Not a hotkey: no key, no modifier that keeps typing free, or words it does not know.
      {"", std::nullopt},
      {"Ctrl", std::nullopt},
      {"Ctrl+Alt", std::nullopt},
      {"Space", std::nullopt},
      {"F5", std::nullopt},
      {"Shift+A", std::nullopt},
      {"Ctrl+F0", std::nullopt},
      {"Ctrl+F25", std::nullopt},
      {"Ctrl+F1x", std::nullopt},
      {"Ctrl+F01", std::nullopt},
      {"Control+A", std::nullopt},
      {"Ctrl+Spacebar", std::nullopt},
      {"Ctrl+!", std::nullopt},
      {"Ctrl+\xc3\xa9", std::nullopt},
      // Exactly one key, each modifier once, no empty part.
      {"Ctrl+A+B", std::nullopt},
      {"A+Ctrl", std::nullopt},
      {"Ctrl+X, Ctrl+C", std::nullopt},
      {"Ctrl+Ctrl+A", std::nullopt},
      {"ctrl+Ctrl+A", std::nullopt},
      {"Ctrl++A", std::nullopt},
      {"Ctrl+A+", std::nullopt},
      {"+Ctrl+A", std::nullopt},
      {"Ctrl++", std::nullopt},
      {"Ctrl+ +A", std::nullopt},
  };
  for (const ParseCase& c : cases) EXPECT_EQ(ParseHotkey(c.text), c.hotkey) << c.text;
}

}  // namespace
