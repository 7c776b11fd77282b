#include "data/Hotkey.h"

#include <string>

#include "data/TextLines.h"

namespace {

struct Name {
  const char* text;  // lower case
  unsigned code;
};

constexpr Name kModifiers[] = {
    {"ctrl", kHotkeyCtrl}, {"alt", kHotkeyAlt}, {"shift", kHotkeyShift}, {"meta", kHotkeyMeta}};

constexpr auto Code(HotkeyKey key) { return static_cast<unsigned>(key); }

constexpr Name kKeys[] = {
    {"space", Code(HotkeyKey::Space)},
    {"tab", Code(HotkeyKey::Tab)},
    {"return", Code(HotkeyKey::Return)},
    {"enter", Code(HotkeyKey::Return)},
    {"esc", Code(HotkeyKey::Escape)},
    {"escape", Code(HotkeyKey::Escape)},
    {"ins", Code(HotkeyKey::Insert)},
    {"insert", Code(HotkeyKey::Insert)},
    {"del", Code(HotkeyKey::Delete)},
    {"delete", Code(HotkeyKey::Delete)},
    {"home", Code(HotkeyKey::Home)},
    {"end", Code(HotkeyKey::End)},
    {"pgup", Code(HotkeyKey::PageUp)},
    {"pgdown", Code(HotkeyKey::PageDown)},
    {"left", Code(HotkeyKey::Left)},
    {"right", Code(HotkeyKey::Right)},
    {"up", Code(HotkeyKey::Up)},
    {"down", Code(HotkeyKey::Down)},
    {"backspace", Code(HotkeyKey::Backspace)},
    {"pause", Code(HotkeyKey::Pause)},
    {"print", Code(HotkeyKey::Print)},
};

// Punctuation that a US keyboard types without Shift: each is one key on its own there.
constexpr std::string_view kPunctuation = "`-=[]\\;',./";

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

std::optional<unsigned> Lookup(const auto& table, const std::string& name) {
  for (const Name& entry : table)
    if (name == entry.text) return entry.code;
  return std::nullopt;
}

std::optional<HotkeyKey> KeyNamed(std::string_view part) {
  if (part.size() == 1) {
    char c = part[0];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
        kPunctuation.find(c) != std::string_view::npos)
      return static_cast<HotkeyKey>(static_cast<unsigned char>(c));
    return std::nullopt;
  }
  const std::string name = Lower(part);
  if (const auto code = Lookup(kKeys, name)) return static_cast<HotkeyKey>(*code);
  if (name.size() <= 3 && name[0] == 'f' && name[1] >= '1' && name[1] <= '9') {
    const int number = std::stoi(name.substr(1));
    const bool digits = name.size() == 2 || (name[2] >= '0' && name[2] <= '9');
    if (digits && number <= 24) return static_cast<HotkeyKey>(Code(HotkeyKey::F1) + number - 1);
  }
  return std::nullopt;
}

}  // namespace

std::optional<Hotkey> ParseHotkey(std::string_view text) {
  Hotkey hotkey;
  bool keyFound = false;
  while (true) {
    const std::size_t plus = text.find('+');
    const std::string_view part = TrimBlanks(text.substr(0, plus));
    if (part.empty() || keyFound) return std::nullopt;
    if (const auto modifier = Lookup(kModifiers, Lower(part))) {
      if (hotkey.Modifiers & *modifier) return std::nullopt;
      hotkey.Modifiers |= *modifier;
    } else if (const auto key = KeyNamed(part)) {
      hotkey.Key = *key;
      keyFound = true;
    } else {
      return std::nullopt;
    }
    if (plus == std::string_view::npos) break;
    text.remove_prefix(plus + 1);
  }
  if (!keyFound || !(hotkey.Modifiers & (kHotkeyCtrl | kHotkeyAlt | kHotkeyMeta)))
    return std::nullopt;
  return hotkey;
}
