#pragma once

#include <string>

// What the dispatcher asks the shell to open.
struct ShellRequest {
  std::string File;
  std::string Parameters;
  int ShowCommand = 1;
  // The "%" form: File is "command" and Parameters " /C " plus the rest of the line; a port
  // hands that rest to its own command interpreter.
  bool Interpreter = false;
};

// Opens a file, program, document or URL. The working directory is the user's home folder.
// Returns the shell's code: above 32 when started; 2 not found, 3 path not found, 5 access
// denied, 31 no application for the document, other values of 32 or less are failures too.
class Shell {
 public:
  virtual ~Shell() = default;
  virtual int Execute(const ShellRequest& request) = 0;
};
