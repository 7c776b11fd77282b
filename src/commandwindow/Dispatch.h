#pragma once

#include <string>
#include <string_view>

#include "platform/Shell.h"

// Turns a resolved, non-empty command text into what the shell is asked to open: the "%" form
// goes to the command interpreter, a leading double quote splits the file from its
// parameters, and any other text is one file name, spaces and all.
ShellRequest FormShellRequest(std::string_view command);

// The message for a shell answer of 32 or less: the command was not run.
std::string ShellFailureMessage(int code);
