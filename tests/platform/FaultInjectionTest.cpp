// Saving history.cfg and aliases.cfg over the real file system while one step of the
// replacement fails: afterwards the file is the whole old one or the whole new one, and the
// user is told once.

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "Fakes.h"
#include "platform/posix/PosixFiles.h"

namespace {

namespace fs = std::filesystem;

// Fails the n-th step (counted from 1) of every replacement; a failing write first writes half.
class FaultyFiles : public PosixFiles {
 public:
  using PosixFiles::PosixFiles;
  int failAt = 0;
  int steps = 0;

 protected:
  bool Fails() { return ++steps == failAt; }
  int CreateTemporary(std::string& pathTemplate) override {
    if (Fails()) return errno = ENOSPC, -1;
    return PosixFiles::CreateTemporary(pathTemplate);
  }
  bool Write(int fd, std::string_view bytes) override {
    if (!Fails()) return PosixFiles::Write(fd, bytes);
    PosixFiles::Write(fd, bytes.substr(0, bytes.size() / 2));
    return false;
  }
  bool Flush(int fd) override { return !Fails() && PosixFiles::Flush(fd); }
  bool Close(int fd) override {
    if (!Fails()) return PosixFiles::Close(fd);
    PosixFiles::Close(fd);
    return false;
  }
  bool Rename(const std::string& from, const std::string& to) override {
    return !Fails() && PosixFiles::Rename(from, to);
  }
  bool Delete(const std::string& path) override { return !Fails() && PosixFiles::Delete(path); }
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class FaultInjectionTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() / ("vell-faults-" + std::to_string(::getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all);
    fs::remove_all(dir_);
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
};

// Runs a session that adds a command and exits, with step n of the save failing.
struct HistorySave {
  std::string messages;
  int shown = 0;
};

HistorySave SaveHistoryFailingAt(const fs::path& dir, int n, int* steps) {
  FaultyFiles files(dir.string());
  FakeProgram p(files);
  p.form.Form_Load();
  p.Run("new command");
  files.failAt = n;
  p.form.Form_QueryUnload();
  *steps = files.steps;
  return {p.msgbox.Texts().empty() ? "" : p.msgbox.Texts()[0],
          static_cast<int>(p.msgbox.shown.size())};
}

TEST_F(FaultInjectionTest, historyIsWholeOldOrWholeNewWhateverStepFails) {
  std::string old;
  for (int i = 0; i < 32766; ++i) old += "command " + std::to_string(i) + "\r\n";
  const std::string updated = old + "new command\r\n";
  int steps = 0;
  for (int n = 1;; ++n) {
    WriteFile(dir_ / "history.cfg", old);
    const HistorySave result = SaveHistoryFailingAt(dir_, n, &steps);
    const std::string now = ReadFile(dir_ / "history.cfg");
    EXPECT_EQ(Names(), std::vector<std::string>{"history.cfg"}) << "step " << n;
    if (n > steps) {  // no step failed: the save went through
      EXPECT_EQ(now, updated);
      EXPECT_EQ(result.shown, 0);
      EXPECT_GE(n, 5);  // create, write, flush, close, rename
      break;
    }
    EXPECT_EQ(now, old) << "step " << n;
    EXPECT_EQ(result.shown, 1) << "step " << n;
    EXPECT_EQ(result.messages,
              "The command history could not be saved to " + (dir_ / "history.cfg").string() + ".");
  }
}

TEST_F(FaultInjectionTest, aliasesAreWholeOldOrWholeNewWhateverStepFails) {
  const std::string old = "np`notepad.exe\r\ned`editor\r\n";
  for (int n = 1;; ++n) {
    WriteFile(dir_ / "aliases.cfg", old);
    FaultyFiles files(dir_.string());
    FakeProgram p(files);
    p.form.Form_Load();
    p.menuView.editorUser = [&files, n](Associations&, FakeAssociationsView& view) {
      view.texts[0] = "x";
      view.texts[1] = "y";
      view.Command1_Click();
      files.failAt = n;
    };
    p.form.Menu().mnualias_Click();
    const std::string now = ReadFile(dir_ / "aliases.cfg");
    EXPECT_EQ(Names(), std::vector<std::string>{"aliases.cfg"}) << "step " << n;
    if (n > files.steps) {
      EXPECT_EQ(now, old + "x`y\r\n");
      EXPECT_TRUE(p.msgbox.shown.empty());
      break;
    }
    EXPECT_EQ(now, old) << "step " << n;
    EXPECT_EQ(p.msgbox.shown.size(), 1u) << "step " << n;
  }
}

TEST_F(FaultInjectionTest, aReadOnlyProgramDirectoryKeepsTheOldFilesAndSaysSo) {
  WriteFile(dir_ / "history.cfg", "old\r\n");
  WriteFile(dir_ / "aliases.cfg", "a`b\r\n");
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                            fs::perms::group_exec | fs::perms::others_read |
                            fs::perms::others_exec);
  // Root writes anywhere, so the save runs as an ordinary user in a child process.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::geteuid() == 0) {
      const passwd* nobody = ::getpwnam("nobody");
      if (!nobody || ::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0) _exit(2);
    }
    PosixFiles files(dir_.string());
    FakeProgram p(files);
    p.form.Form_Load();
    p.Run("new");
    p.menuView.editorUser = [](Associations&, FakeAssociationsView& view) {
      view.texts[0] = "x";
      view.texts[1] = "y";
      view.Command1_Click();
    };
    p.form.Menu().mnualias_Click();
    p.form.Form_QueryUnload();
    const bool toldBoth = p.msgbox.shown.size() == 2 && p.instance.ended == 1;
    _exit(toldBoth ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(ReadFile(dir_ / "history.cfg"), "old\r\n");
  EXPECT_EQ(ReadFile(dir_ / "aliases.cfg"), "a`b\r\n");
}

}  // namespace
