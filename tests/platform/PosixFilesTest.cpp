#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>

#include "platform/posix/PosixFiles.h"

namespace {
// Changes of the process umask: a save must make none, another thread may be creating a file.
std::atomic<int> umaskChanges{0};
}  // namespace

extern "C" mode_t umask(mode_t mask) noexcept {
  ++umaskChanges;
  return static_cast<mode_t>(::syscall(SYS_umask, mask));
}

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

// history.cfg as a file or as a chain of symbolic links; two saves go to the chain's end.
struct SaveCase {
  const char* name;
  mode_t umask;
  // Link name and what it points at; an absolute target is written under the test's folder.
  std::vector<std::pair<const char*, const char*>> links;
  const char* target;  // where the bytes must land
  int oldMode;         // the target's mode before, or -1 when it does not exist
  unsigned mode;       // the target's mode afterwards
  friend void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }
};

class PosixFilesSaveTest : public PosixFilesTest, public testing::WithParamInterface<SaveCase> {
 protected:
  void TearDown() override {
    ::umask(savedMask_);
    PosixFilesTest::TearDown();
  }
  mode_t savedMask_ = ::umask(022);
};

// Records where each temporary file was renamed from.
class RenameRecorder : public PosixFiles {
 public:
  using PosixFiles::PosixFiles;
  std::vector<fs::path> from;

 protected:
  bool Rename(const std::string& source, const std::string& to) override {
    from.push_back(source);
    return PosixFiles::Rename(source, to);
  }
};

TEST_P(PosixFilesSaveTest, theBytesLandAtTheTargetWithItsModeAndTheLinksStay) {
  const SaveCase& c = GetParam();
  ::umask(c.umask);
  fs::create_directory(dir_ / "sync");
  fs::create_directory(dir_ / "other");
  std::vector<std::string> expected{"other", "sync", c.target};
  for (const auto& [name, to] : c.links) {
    fs::create_symlink(to[0] == '/' ? dir_.string() + to : to, dir_ / name);
    expected.push_back(name);
  }
  if (c.oldMode >= 0) {
    std::ofstream(dir_ / c.target) << "old";
    fs::permissions(dir_ / c.target, static_cast<fs::perms>(c.oldMode));
  }
  RenameRecorder files(dir_.string());
  const std::string path = files.PathOf("history.cfg");
  const int changes = umaskChanges;
  ASSERT_TRUE(files.Replace(path, "one"));
  ASSERT_TRUE(files.Replace(path, "two"));
  EXPECT_EQ(umaskChanges, changes);

  EXPECT_EQ(files.Read(path), "two");
  struct stat info;
  ASSERT_EQ(::lstat((dir_ / c.target).c_str(), &info), 0);
  EXPECT_TRUE(S_ISREG(info.st_mode));
  EXPECT_EQ(info.st_mode & 07777, c.mode);
  for (const auto& [name, to] : c.links) {
    ASSERT_TRUE(fs::is_symlink(dir_ / name)) << name;
    EXPECT_EQ(fs::read_symlink(dir_ / name), to[0] == '/' ? dir_.string() + to : to);
  }
  // Each temporary file sat beside the target, and none is left anywhere.
  for (const fs::path& from : files.from)
    EXPECT_EQ(fs::canonical(from.parent_path()), fs::canonical((dir_ / c.target).parent_path()));
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(dir_))
    names.push_back(entry.path().lexically_relative(dir_).string());
  std::sort(names.begin(), names.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(names, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PosixFilesSaveTest,
    testing::Values(
        SaveCase{"newFileFollowsTheUmask022", 022, {}, "history.cfg", -1, 0644},
        SaveCase{"newFileFollowsTheUmask077", 077, {}, "history.cfg", -1, 0600},
        SaveCase{"existingFileKeepsItsMode", 077, {}, "history.cfg", 0664, 0664},
        SaveCase{
            "link", 022, {{"history.cfg", "/sync/history.cfg"}}, "sync/history.cfg", 0640, 0640},
        SaveCase{"chainOfLinks",
                 022,
                 {{"history.cfg", "/sync/link.cfg"}, {"sync/link.cfg", "/other/history.cfg"}},
                 "other/history.cfg",
                 0600,
                 0600},
        // A relative target counts from the folder that holds its link.
        SaveCase{"relativeLinks",
                 022,
                 {{"history.cfg", "sync/link.cfg"}, {"sync/link.cfg", "../other/history.cfg"}},
                 "other/history.cfg",
                 0604,
                 0604},
        SaveCase{"danglingLink",
                 027,
                 {{"history.cfg", "sync/history.cfg"}},
                 "sync/history.cfg",
                 -1,
                 0640}),
    [](const auto& info) { return std::string(info.param.name); });

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

  // A chain of links that never ends has no file to replace.
  fs::create_symlink("loop.cfg", dir_ / "aliases.cfg");
  fs::create_symlink("aliases.cfg", dir_ / "loop.cfg");
  EXPECT_FALSE(here.Replace(here.PathOf("aliases.cfg"), "new"));
  EXPECT_TRUE(fs::is_symlink(dir_ / "aliases.cfg"));
  EXPECT_EQ(Names().size(), 3u);
}

TEST_F(PosixFilesTest, programDirectoryIsBesideTheExecutableWhenWritable) {
  EXPECT_EQ(PosixFiles::ProgramDirectory(dir_.string(), "/config"), dir_.string());
  EXPECT_EQ(PosixFiles("/config/VellCmdLine", "/opt/vell").ShippedPathOf("aliases.cfg"),
            "/opt/vell/aliases.cfg");
  EXPECT_EQ(PosixFiles::ProgramDirectory((dir_ / "missing").string(), "/config"),
            "/config/VellCmdLine");
}

TEST_F(PosixFilesTest, aFolderIsNotAFile) {
  PosixFiles files(dir_.string());
  fs::create_directory(dir_ / "permhist.cfg");
  EXPECT_FALSE(files.IsFile(files.PathOf("permhist.cfg")));
  EXPECT_EQ(files.Read(files.PathOf("permhist.cfg")), std::nullopt);
}

}  // namespace
