#pragma once

#include <optional>
#include <string>

// What the dispatcher asks the shell to open: the file and parameters as ShellExecuteA gets them.
struct ShellRequest {
  std::string File;
  std::string Parameters;
  int ShowCommand = 1;
  // The "%" form's rest of the line, for the system's command interpreter. File and Parameters
  // then hold the designed call: "command" with " /C " and the rest.
  std::optional<std::string> InterpreterLine;
};

// Execute's answer for a line longer than the system passes to a program whole: nothing ran.
inline constexpr int kShellTooLong = -2;

// Opens a file, program, document or URL. The working directory is the user's home folder.
// Returns the shell's code: above 32 when started; 2 not found, 3 path not found, 5 access
// denied, 31 no application for the document, kShellTooLong; other values of 32 or less are
// failures too.
class Shell {
 public:
  virtual ~Shell() = default;
  virtual int Execute(const ShellRequest& request) = 0;
};
