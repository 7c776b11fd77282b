#include "platform/posix/PosixQuitSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <iterator>

namespace {
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
int signalPipe = -1;  // the write end, for the handler

void OnSignal(int) {
  // The interrupted code may be about to read errno.
  const int saved = errno;
  const char byte = 1;
  (void)!::write(signalPipe, &byte, 1);
  errno = saved;
}
}  // namespace

PosixQuitSignals::PosixQuitSignals() {
  int ends[2];
  if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return;
  read_.reset(ends[0]);
  write_.reset(ends[1]);
  signalPipe = ends[1];
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < std::size(kSignals); ++i)
    ::sigaction(kSignals[i], &action, &previous_[i]);
}

PosixQuitSignals::~PosixQuitSignals() {
  if (!read_) return;
  for (std::size_t i = 0; i < std::size(kSignals); ++i)
    ::sigaction(kSignals[i], &previous_[i], nullptr);
  signalPipe = -1;
}

bool PosixQuitSignals::Drain() {
  bool signalled = false;
  for (char byte; ::read(read_.get(), &byte, 1) > 0;) signalled = true;
  return signalled;
}
