#pragma once

#include <signal.h>

#include "platform/posix/Descriptor.h"

// SIGTERM, SIGINT and SIGHUP (the terminal closed), turned into bytes on a pipe for an event
// loop to watch: the handler only writes. The handlers in place before come back at
// destruction. One object at a time.
class PosixQuitSignals {
 public:
  PosixQuitSignals();
  ~PosixQuitSignals();
  PosixQuitSignals(const PosixQuitSignals&) = delete;
  PosixQuitSignals& operator=(const PosixQuitSignals&) = delete;

  // The pipe's end that becomes readable at a signal; -1 when there is no pipe, and then no
  // handler either.
  int ReadEnd() const { return read_.get(); }
  // Empties the pipe: true when a signal had come.
  bool Drain();

 private:
  Descriptor read_;
  Descriptor write_;
  struct sigaction previous_[3] = {};  // one for each signal, in the order handled
};
