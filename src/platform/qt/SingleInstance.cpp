#include "platform/qt/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QLocalSocket>
#include <QThread>

#include "data/Application.h"

SingleInstance::SingleInstance(std::string runtimeDirectory, std::function<void()> activate,
                               std::function<void()> end)
    : directory_(std::move(runtimeDirectory)),
      activate_(std::move(activate)),
      end_(std::move(end)),
      title_(kApplicationTitle) {
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* client = server_.nextPendingConnection()) client->deleteLater();
    activate_();
  });
}

SingleInstance::~SingleInstance() {
  server_.close();
  if (lock_ >= 0) ::close(lock_);
}

QString SingleInstance::SocketPath(const std::string& title) const {
  return QString::fromLocal8Bit(directory_) + '/' + QString::fromLocal8Bit(title) + ".socket";
}

bool SingleInstance::IsAnotherRunning() {
  // Close-on-exec: a started program must not keep the lock after the strip has ended.
  const std::string path = directory_ + "/vellcmdline.lock";
  const int lock = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (lock < 0) return false;  // no way to tell: run
  if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
    ::close(lock);
    return errno == EWOULDBLOCK;
  }
  lock_ = lock;
  // A socket left by an instance that crashed is stale: the lock proves no one listens.
  const QString socket = SocketPath(title_);
  QLocalServer::removeServer(socket);
  server_.listen(socket);
  return false;
}

bool SingleInstance::ActivateByTitle(const std::string& title) {
  // The first start may have taken the lock an instant ago and not be listening yet.
  for (int attempt = 0; attempt < 20; ++attempt) {
    QLocalSocket socket;
    socket.connectToServer(SocketPath(title));
    if (socket.waitForConnected(100)) {
      socket.disconnectFromServer();
      return true;
    }
    QThread::msleep(50);
  }
  return false;
}
