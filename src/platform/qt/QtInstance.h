#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

#include "platform/Instance.h"
#include "platform/posix/PosixInstanceLock.h"

// The instance lock of the folder of files with its requests delivered through the event loop:
// a later start's request activates this one.
class QtInstance : public Instance {
 public:
  QtInstance(std::string directory, std::function<void()> activate, std::function<void()> end);

  AnotherInstance IsAnotherRunning() override;
  std::string Title() override { return title_; }
  void SetTitle(const std::string& title) override { title_ = title; }
  // The instance that holds the lock is the one asked; the title names no window here.
  bool ActivateByTitle(const std::string&) override { return lock_.Ask(); }
  void EndNow() override { end_(); }

 private:
  PosixInstanceLock lock_;
  std::function<void()> activate_;
  std::function<void()> end_;
  std::string title_;
  std::unique_ptr<QSocketNotifier> requests_;  // goes before the socket it watches
};
