#pragma once

#include <string>

#include "platform/Instance.h"
#include "platform/posix/Descriptor.h"

// One instance per folder of files: the first start holds an exclusive lock on
// <directory>/vellcmdline.lock and listens on a local socket in the abstract namespace, named
// from the user and the lock file's device and inode; a later start over the same files, by
// any path and in any environment, finds the lock taken and connects to that socket, which
// asks the first one to activate its strip. The name needs no room in the file system: no
// length limit of a socket path, no file system that cannot hold a socket.
class PosixInstanceLock {
 public:
  explicit PosixInstanceLock(std::string directory);

  // Takes the lock and listens, unless another instance holds it. The folder is made when
  // missing; CannotTell when it gives no lock.
  AnotherInstance Take();
  // The listening socket, readable when a later start asks; -1 while there is none.
  int Listening() const { return server_.get(); }
  // Accepts every waiting request: true when there was one of this user.
  bool Accept();
  // Asks the instance holding the lock to activate; false when none answers.
  bool Ask();

 private:
  std::string directory_;
  std::string name_;  // the socket's, once the lock file is open
  Descriptor lock_;
  Descriptor server_;
};
