#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

#include "platform/Instance.h"

// One instance per user: the first start holds an exclusive lock on a file in the user's
// runtime directory and listens on a local socket named from its title; a later start finds
// the lock taken and connects to that socket, which asks the first one to activate its strip.
class SingleInstance : public QObject, public Instance {
  Q_OBJECT
 public:
  SingleInstance(std::string runtimeDirectory, std::function<void()> activate,
                 std::function<void()> end);
  ~SingleInstance() override;

  AnotherInstance IsAnotherRunning() override;
  std::string Title() override { return title_; }
  void SetTitle(const std::string& title) override { title_ = title; }
  bool ActivateByTitle(const std::string& title) override;
  void EndNow() override { end_(); }

 private:
  std::string SocketPath(const std::string& title) const;
  void Listen();

  std::string directory_;
  std::function<void()> activate_;
  std::function<void()> end_;
  std::string title_;
  int lock_ = -1;
  int server_ = -1;
  std::unique_ptr<QSocketNotifier> requests_;
};
