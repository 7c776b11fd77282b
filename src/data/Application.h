#pragma once

#include <string>

// The caption of every message box, and the title by which a second start finds the first.
inline constexpr const char* kApplicationTitle = "Vell Command Line";
inline constexpr const char* kDuplicateTitle = "... duplicate instance.";
// Where the settings live in the store; also the name of the program's folders.
inline constexpr const char* kApplicationName = "VellCmdLine";
inline constexpr const char* kSettingsSection = "Defaults";

inline constexpr const char* kAliasesFile = "aliases.cfg";
inline constexpr const char* kHistoryFile = "history.cfg";
inline constexpr const char* kPermanentHistoryFile = "permhist.cfg";

// Where the program directory is: the program's own folder when this user can write there, so
// that a portable copy keeps its files beside it; otherwise the program's folder in the user's
// folder for programs' files, joined with the platform's separator. Nothing is created.
inline std::string ChooseProgramDirectory(const std::string& own, bool ownWritable,
                                          std::string user, char separator) {
  if (ownWritable) return own;
  if (user.empty() || (user.back() != separator && user.back() != '/')) user += separator;
  return user + kApplicationName;
}
