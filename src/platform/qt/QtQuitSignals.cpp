#include "platform/qt/QtQuitSignals.h"

QtQuitSignals::QtQuitSignals(std::function<void()> quit) {
  if (signals_.ReadEnd() < 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(signals_.ReadEnd(), QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                   [this, quit = std::move(quit)] {
                     signals_.Drain();
                     quit();
                   });
}
