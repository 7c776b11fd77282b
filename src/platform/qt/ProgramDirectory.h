#pragma once

#include <string>

// Where aliases.cfg and the history files live: the executable's folder when it is writable
// (a portable copy keeps its files beside it), otherwise <configDirectory>/VellCmdLine. Nothing
// is created here: a second start must not write anything.
std::string ProgramDirectory(const std::string& executableDirectory,
                             const std::string& configDirectory);
