#pragma once

#include <optional>
#include <string_view>

#include "platform/GlobalHotkey.h"

// The "Hotkey" setting's text in Qt's portable key-sequence form, such as "Ctrl+Alt+Space":
// modifiers and one key joined by "+", names in any case, blanks around a part ignored. At
// least one of Ctrl, Alt and Meta is held, so that the hotkey never takes a key that plain
// typing needs; a modifier given twice, an empty part or a second key is not a hotkey.
std::optional<Hotkey> ParseHotkey(std::string_view text);
