#include "platform/posix/PosixInstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <thread>

#include "data/Application.h"

namespace {
// False when the path does not fit a socket address.
bool AddressOf(const std::string& path, sockaddr_un& address) {
  address = {};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return true;
}

// The socket named from a title, in a folder; false when there is none or it does not fit.
bool SocketAddress(const std::string& directory, const std::string& title, sockaddr_un& address) {
  return !directory.empty() && AddressOf(directory + '/' + title + ".socket", address);
}
}  // namespace

PosixInstanceLock::PosixInstanceLock(std::string runtimeDirectory,
                                     const std::string& configDirectory)
    : folders_{std::move(runtimeDirectory), configDirectory + '/' + kApplicationName} {}

AnotherInstance PosixInstanceLock::Take(const std::string& title) {
  for (std::size_t i = 0; i < std::size(folders_); ++i) {
    const std::string& directory = folders_[i];
    const bool fallback = i > 0;
    if (directory.empty() || (fallback && directory == folders_[0])) continue;
    // The settings folder may not be there before the first run has stored a setting.
    if (fallback) {
      std::error_code ignored;
      std::filesystem::create_directories(directory, ignored);
    }
    switch (TakeLock(directory)) {
      case Lock::Taken:
        locks_.clear();
        return AnotherInstance::Yes;
      case Lock::Held:
        if (Listen(directory, title)) return AnotherInstance::No;
        break;  // a lock without a socket: a later start could not reach this one
      case Lock::Unusable:
        break;
    }
  }
  return locks_.empty() ? AnotherInstance::CannotTell : AnotherInstance::No;
}

PosixInstanceLock::Lock PosixInstanceLock::TakeLock(const std::string& directory) {
  // Close-on-exec: a started program must not keep the lock after the strip has ended.
  const std::string path = directory + "/vellcmdline.lock";
  Descriptor lock(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
  if (!lock) return Lock::Unusable;
  if (::flock(lock.get(), LOCK_EX | LOCK_NB) != 0)
    return errno == EWOULDBLOCK ? Lock::Taken : Lock::Unusable;
  locks_.push_back(std::move(lock));
  return Lock::Held;
}

bool PosixInstanceLock::Listen(const std::string& directory, const std::string& title) {
  sockaddr_un address;
  if (!SocketAddress(directory, title, address)) return false;
  // A socket left by an instance that crashed is stale: the lock proves no one listens.
  ::unlink(address.sun_path);
  Descriptor server(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  if (!server || ::bind(server.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(server.get(), 4) != 0)
    return false;
  server_ = std::move(server);
  return true;
}

bool PosixInstanceLock::Accept() {
  bool asked = false;
  for (int client; (client = ::accept4(server_.get(), nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
    ::close(client);
    asked = true;
  }
  return asked;
}

bool PosixInstanceLock::Ask(const std::string& title) {
  // The first start may have taken the lock an instant ago and not be listening yet; it
  // listens in one of the two folders.
  for (int attempt = 0; attempt < 40; ++attempt) {
    for (const std::string& directory : folders_) {
      sockaddr_un address;
      if (!SocketAddress(directory, title, address)) continue;
      const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
      if (!socket) return false;
      if (::connect(socket.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
        return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}
