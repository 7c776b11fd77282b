#include "platform/qt/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
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

SingleInstance::SingleInstance(std::string runtimeDirectory, const std::string& configDirectory,
                               std::function<void()> activate, std::function<void()> end)
    : folders_{std::move(runtimeDirectory), configDirectory + '/' + kApplicationName},
      activate_(std::move(activate)),
      end_(std::move(end)),
      title_(kApplicationTitle) {}

SingleInstance::~SingleInstance() {
  requests_.reset();
  if (server_ >= 0) ::close(server_);
  for (const int lock : locks_) ::close(lock);
}

AnotherInstance SingleInstance::IsAnotherRunning() {
  for (std::size_t i = 0; i < std::size(folders_); ++i) {
    const std::string& directory = folders_[i];
    const bool fallback = i > 0;
    if (directory.empty() || (fallback && directory == folders_[0])) continue;
    // The settings folder may not be there before the first run has stored a setting.
    if (fallback) QDir().mkpath(QFile::decodeName(directory.c_str()));
    switch (TakeLock(directory)) {
      case Lock::Taken:
        for (const int lock : locks_) ::close(lock);
        locks_.clear();
        return AnotherInstance::Yes;
      case Lock::Held:
        if (Listen(directory)) return AnotherInstance::No;
        break;  // a lock without a socket: a later start could not reach this one
      case Lock::Unusable:
        break;
    }
  }
  return locks_.empty() ? AnotherInstance::CannotTell : AnotherInstance::No;
}

SingleInstance::Lock SingleInstance::TakeLock(const std::string& directory) {
  // Close-on-exec: a started program must not keep the lock after the strip has ended.
  const std::string path = directory + "/vellcmdline.lock";
  const int lock = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (lock < 0) return Lock::Unusable;
  if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
    const bool taken = errno == EWOULDBLOCK;
    ::close(lock);
    return taken ? Lock::Taken : Lock::Unusable;
  }
  locks_.push_back(lock);
  return Lock::Held;
}

bool SingleInstance::Listen(const std::string& directory) {
  sockaddr_un address;
  if (!SocketAddress(directory, title_, address)) return false;
  // A socket left by an instance that crashed is stale: the lock proves no one listens.
  ::unlink(address.sun_path);
  const int server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (server < 0) return false;
  if (::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(server, 4) != 0) {
    ::close(server);
    return false;
  }
  server_ = server;
  requests_ = std::make_unique<QSocketNotifier>(server_, QSocketNotifier::Read);
  connect(requests_.get(), &QSocketNotifier::activated, this, [this] {
    bool asked = false;
    for (int client; (client = ::accept4(server_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
      ::close(client);
      asked = true;
    }
    if (asked) activate_();
  });
  return true;
}

bool SingleInstance::ActivateByTitle(const std::string& title) {
  // The first start may have taken the lock an instant ago and not be listening yet; it
  // listens in one of the two folders.
  for (int attempt = 0; attempt < 40; ++attempt) {
    for (const std::string& directory : folders_) {
      sockaddr_un address;
      if (!SocketAddress(directory, title, address)) continue;
      const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
      if (socket < 0) return false;
      const bool connected =
          ::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
      ::close(socket);
      if (connected) return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}
