#include "platform/qt/QtInstance.h"

#include "data/Application.h"

QtInstance::QtInstance(std::string directory, std::function<void()> activate,
                       std::function<void()> end)
    : lock_(std::move(directory)),
      activate_(std::move(activate)),
      end_(std::move(end)),
      title_(kApplicationTitle) {}

AnotherInstance QtInstance::IsAnotherRunning() {
  const AnotherInstance another = lock_.Take();
  if (lock_.Listening() >= 0) {
    requests_ = std::make_unique<QSocketNotifier>(lock_.Listening(), QSocketNotifier::Read);
    QObject::connect(requests_.get(), &QSocketNotifier::activated, requests_.get(), [this] {
      if (lock_.Accept()) activate_();
    });
  }
  return another;
}
