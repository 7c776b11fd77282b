#pragma once

#include <signal.h>

#include <QObject>
#include <QSocketNotifier>
#include <functional>

// SIGTERM, SIGINT and SIGHUP (the terminal closed), delivered through the event loop: the
// handler only writes to a pipe. The handlers in place before come back at destruction.
class QuitSignals : public QObject {
  Q_OBJECT
 public:
  explicit QuitSignals(std::function<void()> quit);
  ~QuitSignals() override;

 private:
  std::function<void()> quit_;
  QSocketNotifier* notifier_ = nullptr;
  struct sigaction previous_[3] = {};  // one for each signal, in the order handled
};
