// The shell against real programs, scripts and folders: what starts, where, with which words,
// and what answers when nothing can.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "commandwindow/Dispatch.h"
#include "platform/posix/PosixShell.h"

namespace {

namespace fs = std::filesystem;

// A script that writes its working directory, its arguments and whether its standard input
// is open on a terminal-less /dev/null into the marker.
const char kRecorder[] =
    "#!/bin/sh\n"
    "{ pwd; for a in \"$@\"; do echo \"[$a]\"; done; readlink /proc/$$/fd/0; } > \"$MARKER\"\n";

void MakeScript(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
  fs::permissions(path, fs::perms::owner_all);
}

// What a started program writes into the FIFO, read until it closes it; a writer that has not
// come within 20 s leaves it empty.
std::string Awaited(const fs::path& fifo) {
  const int fd = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  pollfd ready{fd, POLLIN, 0};
  std::string text;
  char buffer[4096];
  for (ssize_t n; ::poll(&ready, 1, 20000) > 0 && (n = ::read(fd, buffer, sizeof buffer)) > 0;)
    text.append(buffer, static_cast<std::size_t>(n));
  ::close(fd);
  return text;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Whether a child of this process has ended and was never reaped; it is reaped now.
bool LeftAZombie() { return ::waitpid(-1, nullptr, WNOHANG) > 0; }

int OpenDescriptors() {
  return static_cast<int>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}

class PosixShellTest : public testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(dir_);
    for (const char* name : {"program", "home", "bin"}) fs::create_directories(dir_ / name);
    marker_ = dir_ / "home/marker";
    ::mkfifo(marker_.c_str(), 0600);
    ::setenv("MARKER", marker_.c_str(), 1);
    ::setenv("PATH", (dir_ / "bin").string().append(":/usr/bin:/bin").c_str(), 1);
    MakeScript(dir_ / "bin/recorder", kRecorder);
    MakeScript(dir_ / "program/recorder", kRecorder);
  }
  void TearDown() override {
    ::setenv("PATH", path_.c_str(), 1);
    ::unsetenv("MARKER");
    fs::remove_all(dir_);
  }

  // A name beginning with '/' stands for a path under the test's folder.
  std::string Under(const std::string& name) const {
    return name.front() == '/' ? dir_.string() + name : name;
  }
  ShellOutcome Execute(const std::string& file, const std::string& parameters = "") {
    return shell_.Execute(ShellRequest{Under(file), parameters, 1, {}}).Outcome;
  }
  std::vector<std::string> Recorded() const { return Lines(Awaited(marker_)); }

  const std::string path_ = std::getenv("PATH") ? std::getenv("PATH") : "";
  const fs::path dir_ =
      fs::temp_directory_path() / ("vell-shell-" + std::to_string(::getpid()) + "-" +
                                   testing::UnitTest::GetInstance()->current_test_info()->name());
  fs::path marker_;
  PosixShell shell_{(dir_ / "home").string()};
};

struct CodeCase {
  const char* name;
  std::string file;
  ShellOutcome outcome;
  friend void PrintTo(const CodeCase& c, std::ostream* os) { *os << c.name; }
};

class PosixShellCodeTest : public PosixShellTest, public testing::WithParamInterface<CodeCase> {};

TEST_P(PosixShellCodeTest, answersTheShellsCode) {
  EXPECT_EQ(Execute(GetParam().file), GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(Shell, PosixShellCodeTest,
                         testing::Values(CodeCase{"missingProgram", "no-such-program",
                                                  ShellOutcome::NotFound},
                                         CodeCase{"missingFileByPath", "/program/none",
                                                  ShellOutcome::NotFound},
                                         CodeCase{"missingFolderInPath", "/nowhere/none",
                                                  ShellOutcome::PathNotFound},
                                         CodeCase{"fileAsFolder", "/program/recorder/x",
                                                  ShellOutcome::PathNotFound},
                                         CodeCase{"lineWithBlanksIsOneName", "recorder -v",
                                                  ShellOutcome::NotFound},
                                         CodeCase{"nameTooLong", std::string(5000, 'a'),
                                                  ShellOutcome::TooLong}),
                         [](const auto& info) { return std::string(info.param.name); });

// Beyond the system's limit for one word of a command (execve's E2BIG), nothing starts.
TEST_F(PosixShellTest, aLineTooLongForTheSystemIsSaidToBeSo) {
  const std::string word(200000, 'x');
  fs::remove(marker_);  // what ran would leave a file
  EXPECT_EQ(shell_.Execute(FormShellRequest("%echo " + word + " > \"$MARKER\"")).Outcome,
            ShellOutcome::TooLong);
  EXPECT_EQ(Execute("recorder", word), ShellOutcome::TooLong);
  EXPECT_FALSE(fs::exists(marker_));
}

// Programs start in the home folder with their parameters split as a shell splits words.
struct ProgramCase {
  const char* name;
  const char* file;
  const char* parameters;
  std::vector<std::string> arguments;
  friend void PrintTo(const ProgramCase& c, std::ostream* os) { *os << c.name; }
};

class PosixShellProgramTest : public PosixShellTest,
                              public testing::WithParamInterface<ProgramCase> {};

TEST_P(PosixShellProgramTest, startsInHomeWithTheWordsAndNoInput) {
  const ProgramCase& c = GetParam();
  EXPECT_EQ(Execute(c.file, c.parameters), ShellOutcome::Started);
  const std::vector<std::string> lines = Recorded();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines.front(), (dir_ / "home").string());
  std::vector<std::string> expected{lines.front()};
  for (const std::string& argument : c.arguments) expected.push_back("[" + argument + "]");
  expected.push_back("/dev/null");
  EXPECT_EQ(lines, expected);
  EXPECT_FALSE(LeftAZombie());
}

INSTANTIATE_TEST_SUITE_P(Shell, PosixShellProgramTest,
                         testing::Values(ProgramCase{"byPath",
                                                     "/program/recorder",
                                                     "-v \"a b\" 'c$d'",
                                                     {"-v", "a b", "c$d"}},
                                         ProgramCase{"onPath", "recorder", "", {}}),
                         [](const auto& info) { return std::string(info.param.name); });

// A thousand commands in a row leave neither a zombie nor an open descriptor behind.
TEST_F(PosixShellTest, manyCommandsLeaveNoZombieAndNoDescriptor) {
  const int descriptors = OpenDescriptors();
  for (int i = 0; i < 1000; ++i)
    ASSERT_EQ(shell_.Execute(ShellRequest{"/bin/true", "", 1, {}}).Outcome, ShellOutcome::Started);
  EXPECT_EQ(shell_.Execute(ShellRequest{"/no/such/program", "", 1, {}}).Outcome,
            ShellOutcome::PathNotFound);
  EXPECT_EQ(OpenDescriptors(), descriptors);
  EXPECT_FALSE(LeftAZombie());
}

TEST_F(PosixShellTest, interpreterRunsTheRestThroughSh) {
  EXPECT_EQ(shell_.Execute(FormShellRequest("%echo $((6*7)) > \"$MARKER\"")).Outcome,
            ShellOutcome::Started);
  EXPECT_EQ(Awaited(marker_), "42\n");
}

// Documents, folders and URLs go to xdg-open, or answer 31 when there is none.
class PosixShellDocumentTest : public PosixShellTest,
                               public testing::WithParamInterface<const char*> {};

TEST_P(PosixShellDocumentTest, opensWithXdgOpen) {
  std::ofstream(dir_ / "program/notes.txt") << "text";
  EXPECT_EQ(Execute(GetParam()), ShellOutcome::NoAssociation);
  MakeScript(dir_ / "bin/xdg-open", kRecorder);
  EXPECT_EQ(Execute(GetParam()), ShellOutcome::Started);
  const std::vector<std::string> lines = Recorded();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[1], "[" + Under(GetParam()) + "]");
}

INSTANTIATE_TEST_SUITE_P(Shell, PosixShellDocumentTest,
                         testing::Values("/program/notes.txt", "/program",
                                         "https://example.org/a b"));

// The answer does not wait for the program, which outlives the call in a session of its own.
TEST_F(PosixShellTest, startedIsNotWaitedFor) {
  EXPECT_EQ(shell_.Execute(FormShellRequest("%echo $$ > \"$MARKER\"; exec sleep 30")).Outcome,
            ShellOutcome::Started);
  const std::string pid = Awaited(marker_);
  ASSERT_FALSE(pid.empty());
  const pid_t child = std::stoi(pid);
  EXPECT_NE(::getsid(child), ::getsid(0));
  EXPECT_NE(::getppid(), child);
  EXPECT_EQ(::kill(child, SIGTERM), 0);
}

}  // namespace
