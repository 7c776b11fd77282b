#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "platform/posix/PosixFiles.h"

namespace {

namespace fs = std::filesystem;

class PosixFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() / ("vell-files-" + std::to_string(::getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_))
      names.push_back(entry.path().filename().string());
    return names;
  }

  fs::path dir_;
};

TEST_F(PosixFilesTest, replaceWritesTheBytesAndLeavesNoTemporaryFile) {
  PosixFiles files(dir_.string());
  const std::string path = files.PathOf("history.cfg");
  EXPECT_EQ(path, (dir_ / "history.cfg").string());
  EXPECT_FALSE(files.IsFile(path));
  EXPECT_EQ(files.Read(path), std::nullopt);
  const std::string bytes("a\r\n\0b\r\n", 7);
  ASSERT_TRUE(files.Replace(path, bytes));
  EXPECT_TRUE(files.IsFile(path));
  EXPECT_EQ(files.Read(path), bytes);
  ASSERT_TRUE(files.Replace(path, ""));
  EXPECT_EQ(files.Read(path), "");
  EXPECT_EQ(Names(), std::vector<std::string>{"history.cfg"});
}

TEST_F(PosixFilesTest, replaceKeepsTheFilesPermissions) {
  PosixFiles files(dir_.string());
  const std::string path = files.PathOf("aliases.cfg");
  ASSERT_TRUE(files.Replace(path, "old"));
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(files.Replace(path, "new"));
  struct stat info;
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(PosixFilesTest, aFailedReplaceLeavesTheOldFileWhole) {
  PosixFiles files((dir_ / "missing-folder").string());
  EXPECT_FALSE(files.Replace(files.PathOf("history.cfg"), "new"));

  // A directory standing where the file should be cannot be replaced by a file.
  PosixFiles here(dir_.string());
  fs::create_directory(dir_ / "history.cfg");
  std::ofstream(dir_ / "history.cfg" / "inside") << "kept";
  EXPECT_FALSE(here.IsFile(here.PathOf("history.cfg")));
  EXPECT_FALSE(here.Replace(here.PathOf("history.cfg"), "new"));
  EXPECT_TRUE(fs::is_directory(dir_ / "history.cfg"));
  EXPECT_EQ(Names(), std::vector<std::string>{"history.cfg"});
}

TEST_F(PosixFilesTest, aFolderIsNotAFile) {
  PosixFiles files(dir_.string());
  fs::create_directory(dir_ / "permhist.cfg");
  EXPECT_FALSE(files.IsFile(files.PathOf("permhist.cfg")));
  EXPECT_EQ(files.Read(files.PathOf("permhist.cfg")), std::nullopt);
}

}  // namespace
