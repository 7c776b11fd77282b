#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "platform/posix/PosixInstanceLock.h"

namespace {

namespace fs = std::filesystem;

// Two instances in one process, each over a folder of files. One lock per folder, by whatever
// path it is reached; a folder that gives no lock leaves both unable to tell.
struct LockCase {
  const char* name;
  std::string first;  // folders under the test's folder
  std::string second;
  AnotherInstance another;  // what the second finds
  friend void PrintTo(const LockCase& c, std::ostream* os) { *os << c.name; }
};

class PosixInstanceLockTest : public testing::TestWithParam<LockCase> {
 protected:
  void SetUp() override {
    std::string name = (fs::temp_directory_path() / "vell-lock-XXXXXX").string();
    ASSERT_NE(::mkdtemp(name.data()), nullptr);
    dir_ = name;
    fs::create_directory(dir_ / "files");
    fs::create_directory_symlink(dir_ / "files", dir_ / "link");
    std::ofstream(dir_ / "blocked") << "a file, not a folder";
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_P(PosixInstanceLockTest, aLaterStartOverTheSameFilesFindsTheFirstAndAsksIt) {
  const LockCase& c = GetParam();
  PosixInstanceLock first((dir_ / c.first).string());
  EXPECT_EQ(first.Take(), c.another == AnotherInstance::Yes ? AnotherInstance::No : c.another);
  PosixInstanceLock other((dir_ / c.second).string());
  EXPECT_EQ(other.Take(), c.another);
  if (c.another == AnotherInstance::Yes) {
    EXPECT_FALSE(first.Accept());
    EXPECT_TRUE(other.Ask());
    EXPECT_TRUE(first.Accept());
  }
  if (c.another == AnotherInstance::No) {
    EXPECT_GE(other.Listening(), 0);
  }
  EXPECT_EQ(fs::exists(dir_ / c.first / "vellcmdline.lock"),
            c.another != AnotherInstance::CannotTell);
}

INSTANTIATE_TEST_SUITE_P(
    Instance, PosixInstanceLockTest,
    testing::Values(
        LockCase{"sameFolder", "files", "files", AnotherInstance::Yes},
        LockCase{"sameFolderByAnotherPath", "files", "link", AnotherInstance::Yes},
        LockCase{"twoFolders", "files", "link/copy", AnotherInstance::No},
        LockCase{"folderNotMadeYet", "new/VellCmdLine", "new/VellCmdLine", AnotherInstance::Yes},
        LockCase{"pathLongerThanASocketAddress", "files/" + std::string(200, 'l'),
                 "link/" + std::string(200, 'l'), AnotherInstance::Yes},
        LockCase{"noFolderAtAll", "blocked/files", "blocked/files", AnotherInstance::CannotTell}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
