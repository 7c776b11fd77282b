#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Instance.h"

// One instance per user: the first start holds an exclusive lock on a file in the user's
// runtime directory and listens on a local socket named from its title; a later start finds
// the lock taken and connects to that socket, which asks the first one to activate its strip.
// Where the runtime directory gives no lock or no socket, the settings folder
// <configDirectory>/VellCmdLine (created when missing) serves instead.
class SingleInstance : public QObject, public Instance {
  Q_OBJECT
 public:
  // runtimeDirectory: empty when there is none.
  SingleInstance(std::string runtimeDirectory, const std::string& configDirectory,
                 std::function<void()> activate, std::function<void()> end);
  ~SingleInstance() override;

  AnotherInstance IsAnotherRunning() override;
  std::string Title() override { return title_; }
  void SetTitle(const std::string& title) override { title_ = title; }
  bool ActivateByTitle(const std::string& title) override;
  void EndNow() override { end_(); }

 private:
  enum class Lock { Unusable, Held, Taken };
  Lock TakeLock(const std::string& directory);
  bool Listen(const std::string& directory);

  std::string folders_[2];  // the runtime directory, then the settings folder
  std::function<void()> activate_;
  std::function<void()> end_;
  std::string title_;
  std::vector<int> locks_;
  int server_ = -1;
  std::unique_ptr<QSocketNotifier> requests_;
};
