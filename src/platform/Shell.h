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

// What came of a request: started, or why nothing ran.
enum class ShellOutcome {
  Started,
  NotFound,               // no such file or program
  PathNotFound,           // a folder in the file's path does not exist
  AccessDenied,
  NoAssociation,          // no application opens a document of this kind
  TooLong,                // longer than the system passes to a program whole: nothing ran
  OutOfResources,         // the system is out of memory or resources
  OutOfMemory,            // not enough memory for the program
  NotAProgram,            // the program file is not valid
  InUse,                  // the file is in use by another program
  AssociationIncomplete,  // the association names no working command
  NoAnswer,               // the application did not answer in time
  ApplicationFailed,      // the application reported a failure
  ApplicationBusy,
  LibraryNotFound,        // a library the program needs is missing
  Failed,                 // any other failure: Code holds the system's number for it
};

struct ShellResult {
  ShellOutcome Outcome = ShellOutcome::Started;
  int Code = 0;
  friend bool operator==(const ShellResult&, const ShellResult&) = default;
};

// Opens a file, program, document or URL. The working directory is the user's home folder.
class Shell {
 public:
  virtual ~Shell() = default;
  virtual ShellResult Execute(const ShellRequest& request) = 0;
};
