#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

#include "platform/Instance.h"
#include "platform/posix/PosixInstanceLock.h"

// The instance lock with its requests delivered through the event loop: a later start's
// request activates this one.
class QtInstance : public Instance {
 public:
  // runtimeDirectory: empty when there is none.
  QtInstance(std::string runtimeDirectory, const std::string& configDirectory,
             std::function<void()> activate, std::function<void()> end);

  AnotherInstance IsAnotherRunning() override;
  std::string Title() override { return title_; }
  void SetTitle(const std::string& title) override { title_ = title; }
  bool ActivateByTitle(const std::string& title) override { return lock_.Ask(title); }
  void EndNow() override { end_(); }

 private:
  PosixInstanceLock lock_;
  std::function<void()> activate_;
  std::function<void()> end_;
  std::string title_;
  std::unique_ptr<QSocketNotifier> requests_;  // goes before the socket it watches
};
