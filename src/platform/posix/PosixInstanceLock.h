#pragma once

#include <string>
#include <vector>

#include "platform/Instance.h"
#include "platform/posix/Descriptor.h"

// One instance per user: the first start holds an exclusive lock on a file in the user's
// runtime directory and listens on a local socket named from its title; a later start finds
// the lock taken and connects to that socket, which asks the first one to activate its strip.
// Where the runtime directory gives no lock or no socket, the settings folder
// <configDirectory>/VellCmdLine (created when missing) serves instead.
class PosixInstanceLock {
 public:
  // runtimeDirectory: empty when there is none.
  PosixInstanceLock(std::string runtimeDirectory, const std::string& configDirectory);

  // Takes the lock and listens under the title, unless another instance holds it.
  AnotherInstance Take(const std::string& title);
  // The listening socket, readable when a later start asks; -1 while there is none.
  int Listening() const { return server_.get(); }
  // Accepts every waiting request: true when there was one.
  bool Accept();
  // Asks the instance listening under the title to activate; false when none answers.
  bool Ask(const std::string& title);

 private:
  enum class Lock { Unusable, Held, Taken };
  Lock TakeLock(const std::string& directory);
  bool Listen(const std::string& directory, const std::string& title);

  std::string folders_[2];  // the runtime directory, then the settings folder
  std::vector<Descriptor> locks_;
  Descriptor server_;
};
