#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "data/Application.h"
#include "platform/posix/PosixInstanceLock.h"

namespace {

namespace fs = std::filesystem;

// Two instances in one process. The settings folder serves when the runtime folder gives no
// lock or no socket; with no lock anywhere, neither can tell.
struct LockCase {
  const char* name;
  std::string runtime;  // under the test's folder; made unless "missing"
  bool settingsBlocked;
  AnotherInstance second;
  const char* listensIn;
  friend void PrintTo(const LockCase& c, std::ostream* os) { *os << c.name; }
};

class PosixInstanceLockTest : public testing::TestWithParam<LockCase> {
 protected:
  // Short, so that a socket's path fits its address.
  void SetUp() override {
    std::string name = (fs::temp_directory_path() / "vell-lock-XXXXXX").string();
    ASSERT_NE(::mkdtemp(name.data()), nullptr);
    dir_ = name;
    fs::create_directory(dir_ / "config");
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_P(PosixInstanceLockTest, aLaterStartFindsTheFirstAndAsksIt) {
  const LockCase& c = GetParam();
  if (!c.runtime.empty() && c.runtime != "missing") fs::create_directory(dir_ / c.runtime);
  if (c.settingsBlocked) std::ofstream(dir_ / "config/VellCmdLine") << "a file, not a folder";
  const std::string runtime = c.runtime.empty() ? "" : (dir_ / c.runtime).string();
  const std::string config = (dir_ / "config").string();

  PosixInstanceLock first(runtime, config);
  EXPECT_EQ(first.Take(kApplicationTitle),
            c.second == AnotherInstance::Yes ? AnotherInstance::No : c.second);
  PosixInstanceLock other(runtime, config);
  EXPECT_EQ(other.Take(kApplicationTitle), c.second);
  if (c.second == AnotherInstance::Yes) {
    EXPECT_FALSE(first.Accept());
    EXPECT_TRUE(other.Ask(kApplicationTitle));
    EXPECT_TRUE(first.Accept());
    EXPECT_TRUE(fs::exists(dir_ / c.listensIn / (std::string(kApplicationTitle) + ".socket")));
  }
  if (c.listensIn == std::string("runtime")) {
    EXPECT_FALSE(fs::exists(dir_ / "config/VellCmdLine"));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Instance, PosixInstanceLockTest,
    testing::Values(LockCase{"runtimeFolder", "runtime", false, AnotherInstance::Yes, "runtime"},
                    LockCase{"noRuntimeFolder", "", false, AnotherInstance::Yes,
                             "config/VellCmdLine"},
                    LockCase{"runtimeFolderMissing", "missing", false, AnotherInstance::Yes,
                             "config/VellCmdLine"},
                    LockCase{"noRoomForTheSocketsPath", std::string(100, 'r'), false,
                             AnotherInstance::Yes, "config/VellCmdLine"},
                    LockCase{"noFolderAtAll", "missing", true, AnotherInstance::CannotTell, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
