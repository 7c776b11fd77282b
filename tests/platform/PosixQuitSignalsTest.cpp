#include <gtest/gtest.h>

#include <cerrno>

#include "platform/posix/PosixQuitSignals.h"

namespace {

void Elsewhere(int) {}

class PosixQuitSignalsTest : public testing::TestWithParam<int> {};

// A signal that ends the session reaches the pipe; the handler leaves errno as it was, also
// when its write fails on a full pipe; the handler in place before comes back.
TEST_P(PosixQuitSignalsTest, aSignalReachesThePipe) {
  const int signal = GetParam();
  struct sigaction before {
  }, after{};
  before.sa_handler = Elsewhere;
  ASSERT_EQ(::sigaction(signal, &before, nullptr), 0);
  {
    PosixQuitSignals signals;
    ASSERT_GE(signals.ReadEnd(), 0);
    EXPECT_FALSE(signals.Drain());
    for (int i = 0; i < 70000; ++i) ::raise(signal);  // more bytes than a pipe holds
    errno = EDOM;
    ::raise(signal);
    EXPECT_EQ(errno, EDOM);
    EXPECT_TRUE(signals.Drain());
    EXPECT_FALSE(signals.Drain());
  }
  ASSERT_EQ(::sigaction(signal, nullptr, &after), 0);
  EXPECT_EQ(after.sa_handler, Elsewhere);
  ::signal(signal, SIG_DFL);
}

INSTANTIATE_TEST_SUITE_P(Signals, PosixQuitSignalsTest, testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const auto& info) { return std::string(sigabbrev_np(info.param)); });

}  // namespace
