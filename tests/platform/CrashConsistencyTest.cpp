// A process saving history.cfg or aliases.cfg is killed at random moments: every time, the
// file afterwards is the whole old one or the whole new one.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "data/TextLines.h"
#include "platform/posix/PosixFiles.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Lines(const std::string& prefix, int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) lines.push_back(prefix + std::to_string(i));
  return JoinLines(lines);
}

pid_t StartSave(const fs::path& dir, const char* name, const std::string& contents) {
  const pid_t child = ::fork();
  if (child == 0) {
    PosixFiles files(dir.string());
    _exit(files.Replace(files.PathOf(name), contents) ? 0 : 1);
  }
  return child;
}

struct KillCase {
  const char* file;
  std::string a, b;
  friend void PrintTo(const KillCase& c, std::ostream* os) { *os << c.file; }
};

class CrashConsistencyTest : public testing::TestWithParam<KillCase> {};

TEST_P(CrashConsistencyTest, aKilledSaveLeavesTheWholeOldOrTheWholeNewFile) {
  const KillCase& c = GetParam();
  const fs::path dir = fs::temp_directory_path() / ("vell-kill-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  PosixFiles files(dir.string());
  ASSERT_TRUE(files.Replace(files.PathOf(c.file), c.a));

  // One whole save, timed, sets the window in which the kills fall.
  const auto start = std::chrono::steady_clock::now();
  const pid_t timed = StartSave(dir, c.file, c.a);
  ASSERT_GT(timed, 0);
  ::waitpid(timed, nullptr, 0);
  const auto saveTime = std::chrono::steady_clock::now() - start;
  const auto window = std::chrono::duration_cast<std::chrono::microseconds>(saveTime) * 3 / 2;

  std::mt19937 random(2024);
  int sawOld = 0, sawNew = 0;
  for (int kill = 0; kill < 200; ++kill) {
    const std::string before = ReadFile(dir / c.file);
    const std::string& next = before == c.a ? c.b : c.a;
    const pid_t child = StartSave(dir, c.file, next);
    ASSERT_GT(child, 0);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % (window.count() + 1)));
    ::kill(child, SIGKILL);
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    const std::string after = ReadFile(dir / c.file);
    ASSERT_TRUE(after == before || after == next)
        << "kill " << kill << ": " << after.size() << " bytes";
    ++(after == before ? sawOld : sawNew);
  }
  RecordProperty("old", sawOld);
  RecordProperty("new", sawNew);
  fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CrashConsistencyTest,
    testing::Values(KillCase{"history.cfg", Lines("\"C:\\Tools\\run.exe\" --item ", 32767),
                             Lines("notepad file", 32767)},
                    KillCase{"aliases.cfg", Lines("alias`target ", 20000),
                             Lines("other`C:\\Program Files\\x ", 20000)}),
    [](const auto& info) { return std::string(info.param.file).substr(0, 7); });

}  // namespace
