#pragma once

#include <string>

#include "platform/SettingsStore.h"

// A setting of the program, with the text a read gives when the key is absent.
struct Setting {
  const char* Key;
  const char* Default;
};

// The ten settings, in the order start-up reads them. Positions and sizes are twips.
inline constexpr Setting kOntop{"Ontop", "0"};    // "True" or "False"; a number reads too
inline constexpr Setting kTop{"Top", "-1"};       // -1, compared as a number, centres
inline constexpr Setting kLeft{"Left", "-1"};     // "-1", compared as text, centres
inline constexpr Setting kFore{"Fore", "?"};      // a colour, or kSystemColors
inline constexpr Setting kBack{"Back", "?"};      // a colour, or kSystemColors
inline constexpr Setting kHeight{"Height", "0"};  // "0" in either keeps the designed size
inline constexpr Setting kWidth{"Width", "0"};
inline constexpr Setting kHistory{"History", "0"};    // 1 switches history.cfg off
inline constexpr Setting kPHistory{"PHistory", "0"};  // 1 switches permhist.cfg off
inline constexpr Setting kHotkey{"Hotkey", ""};       // a key such as "Ctrl+Alt+Space"; empty: none
inline constexpr Setting kSettings[] = {kOntop,  kTop,   kLeft,    kFore,     kBack,
                                        kHeight, kWidth, kHistory, kPHistory, kHotkey};

// "Fore" and "Back" hold this for the system's own colours.
inline constexpr const char* kSystemColors = "?";

// The program's settings: every key lives under "VellCmdLine" / "Defaults".
class Settings {
 public:
  explicit Settings(SettingsStore& store) : store_(store) {}

  // The stored text, or the setting's default when the key is absent.
  std::string ReadSetting(const Setting& setting);
  bool WriteSetting(const Setting& setting, const std::string& value);

 private:
  SettingsStore& store_;
};
