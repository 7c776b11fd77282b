#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

#include "platform/posix/PosixQuitSignals.h"

// The quit signals delivered through the event loop.
class QtQuitSignals {
 public:
  explicit QtQuitSignals(std::function<void()> quit);

 private:
  PosixQuitSignals signals_;
  std::unique_ptr<QSocketNotifier> notifier_;  // goes before the pipe it watches
};
