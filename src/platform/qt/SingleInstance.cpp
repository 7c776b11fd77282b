#include "platform/qt/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
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
}  // namespace

SingleInstance::SingleInstance(std::string runtimeDirectory, std::function<void()> activate,
                               std::function<void()> end)
    : directory_(std::move(runtimeDirectory)),
      activate_(std::move(activate)),
      end_(std::move(end)),
      title_(kApplicationTitle) {}

SingleInstance::~SingleInstance() {
  requests_.reset();
  if (server_ >= 0) ::close(server_);
  if (lock_ >= 0) ::close(lock_);
}

std::string SingleInstance::SocketPath(const std::string& title) const {
  return directory_ + '/' + title + ".socket";
}

AnotherInstance SingleInstance::IsAnotherRunning() {
  // Close-on-exec: a started program must not keep the lock after the strip has ended.
  const std::string path = directory_ + "/vellcmdline.lock";
  const int lock = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (lock < 0) return AnotherInstance::CannotTell;
  if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
    const bool taken = errno == EWOULDBLOCK;
    ::close(lock);
    return taken ? AnotherInstance::Yes : AnotherInstance::CannotTell;
  }
  lock_ = lock;
  Listen();
  return AnotherInstance::No;
}

void SingleInstance::Listen() {
  sockaddr_un address;
  const std::string path = SocketPath(title_);
  if (!AddressOf(path, address)) return;
  // A socket left by an instance that crashed is stale: the lock proves no one listens.
  ::unlink(path.c_str());
  server_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (server_ < 0) return;
  if (::bind(server_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(server_, 4) != 0) {
    ::close(server_);
    server_ = -1;
    return;
  }
  requests_ = std::make_unique<QSocketNotifier>(server_, QSocketNotifier::Read);
  connect(requests_.get(), &QSocketNotifier::activated, this, [this] {
    bool asked = false;
    for (int client; (client = ::accept4(server_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
      ::close(client);
      asked = true;
    }
    if (asked) activate_();
  });
}

bool SingleInstance::ActivateByTitle(const std::string& title) {
  sockaddr_un address;
  if (!AddressOf(SocketPath(title), address)) return false;
  // The first start may have taken the lock an instant ago and not be listening yet.
  for (int attempt = 0; attempt < 40; ++attempt) {
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) return false;
    const bool connected =
        ::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    if (connected) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}
