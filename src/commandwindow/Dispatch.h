#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "platform/Shell.h"

// Turns a resolved, non-empty command text into what the shell is asked to open: the "%" form
// goes to the command interpreter, a leading double quote splits the file from its
// parameters, and any other text is one file name, spaces and all.
ShellRequest FormShellRequest(std::string_view command);

// The request for an alias called with arguments. Each "%s" of the target (a leading "%" marks
// the interpreter form and is no placeholder) becomes the arguments, percent-encoded when the
// target is a URL; a target without one gets them after its own parameters.
ShellRequest FormAliasRequest(std::string_view target, std::string_view arguments);

// Why a request's file may not get these alias arguments, or nothing when it may: the Windows
// shell starts a batch file through the command interpreter, which would read some of their
// characters as commands of its own.
std::optional<std::string> AliasArgumentsProblem(const ShellRequest& request,
                                                 std::string_view arguments);

// The message for a shell answer other than Started: the command was not run. Not found advises
// the interpreter form in the platform's words.
std::string ShellFailureMessage(const ShellResult& result, Platform platform);
