#pragma once

#include <string>
#include <vector>

#include "platform/Shell.h"

// The shell on a Linux desktop. Documents, folders and URLs go to the desktop's default
// application (xdg-open); programs, by path or found on PATH, start directly with their
// parameters split into words; the "%" form runs /bin/sh -c. Everything starts in its own
// session, in the home directory, with standard input, output and error on /dev/null, and is
// never waited for.
class PosixShell : public Shell {
 public:
  // home: the working directory of everything started.
  explicit PosixShell(std::string home) : home_(std::move(home)) {}

  ShellResult Execute(const ShellRequest& request) override;

 private:
  ShellResult Open(const std::string& target);
  ShellResult Spawn(const std::vector<std::string>& argv);

  std::string home_;
};

// The program file of that name in a folder of PATH (an empty entry is the current folder, an
// unset PATH /usr/local/bin:/usr/bin:/bin), or nothing: what a plain line of that name runs.
std::string FindOnPath(const std::string& name);
