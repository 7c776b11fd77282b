#include "platform/posix/PosixInstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <thread>

#include "data/Application.h"

namespace {
// A name in the abstract namespace: no file, gone with the socket. Names here are short.
socklen_t AddressOf(const std::string& name, sockaddr_un& address) {
  address = {};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path + 1, name.data(), name.size());
  return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
}

// Anyone on the machine may connect to an abstract name: only this user's processes count.
bool OfThisUser(int socket) {
  ucred peer{};
  socklen_t size = sizeof peer;
  return ::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
         peer.uid == ::geteuid();
}
}  // namespace

PosixInstanceLock::PosixInstanceLock(std::string directory) : directory_(std::move(directory)) {}

AnotherInstance PosixInstanceLock::Take() {
  // The folder may not be there before the first run has written a file.
  std::error_code ignored;
  std::filesystem::create_directories(directory_, ignored);
  // Close-on-exec: a started program must not keep the lock after the strip has ended.
  const std::string path = directory_ + "/vellcmdline.lock";
  Descriptor lock(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
  struct stat file;
  if (!lock || ::fstat(lock.get(), &file) != 0) return AnotherInstance::CannotTell;
  name_ = std::string(kApplicationName) + '-' + std::to_string(::geteuid()) + '-' +
          std::to_string(file.st_dev) + '-' + std::to_string(file.st_ino);
  if (::flock(lock.get(), LOCK_EX | LOCK_NB) != 0)
    return errno == EWOULDBLOCK ? AnotherInstance::Yes : AnotherInstance::CannotTell;
  lock_ = std::move(lock);
  // Without the socket the strip still runs alone; a later start then cannot activate it.
  sockaddr_un address;
  const socklen_t size = AddressOf(name_, address);
  Descriptor server(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  if (server && ::bind(server.get(), reinterpret_cast<sockaddr*>(&address), size) == 0 &&
      ::listen(server.get(), 4) == 0)
    server_ = std::move(server);
  return AnotherInstance::No;
}

bool PosixInstanceLock::Accept() {
  bool asked = false;
  for (int client; (client = ::accept4(server_.get(), nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
    asked = OfThisUser(client) || asked;
    ::close(client);
  }
  return asked;
}

bool PosixInstanceLock::Ask() {
  if (name_.empty()) return false;
  sockaddr_un address;
  const socklen_t size = AddressOf(name_, address);
  // The first start may have taken the lock an instant ago and not be listening yet.
  for (int attempt = 0; attempt < 40; ++attempt) {
    const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!socket) return false;
    if (::connect(socket.get(), reinterpret_cast<sockaddr*>(&address), size) == 0)
      return OfThisUser(socket.get());
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}
