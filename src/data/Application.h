#pragma once

// The caption of every message box, and the title by which a second start finds the first.
inline constexpr const char* kApplicationTitle = "Vell Command Line";
inline constexpr const char* kDuplicateTitle = "... duplicate instance.";
// Where the settings live in the store; also the name of the program's folders.
inline constexpr const char* kApplicationName = "VellCmdLine";
inline constexpr const char* kSettingsSection = "Defaults";

inline constexpr const char* kAliasesFile = "aliases.cfg";
inline constexpr const char* kHistoryFile = "history.cfg";
inline constexpr const char* kPermanentHistoryFile = "permhist.cfg";
