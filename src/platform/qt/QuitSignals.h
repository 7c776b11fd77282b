#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>

// SIGTERM and SIGINT, delivered through the event loop: the handler only writes to a pipe.
class QuitSignals : public QObject {
  Q_OBJECT
 public:
  explicit QuitSignals(std::function<void()> quit);

 private:
  std::function<void()> quit_;
  QSocketNotifier* notifier_ = nullptr;
};
