// The real VellCmdLine.exe, started as the user starts it, from a folder of its own.
#include <gtest/gtest.h>

#include "Desktop.h"

namespace {

class RunningProgram {
 public:
  explicit RunningProgram(const std::string& exe) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exe + "\"";
    started_ = CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &info_);
    if (started_) WaitForInputIdle(info_.hProcess, 30000);  // its strip shown, or ended
  }
  ~RunningProgram() {
    if (!started_) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, INFINITE);
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
  }
  bool Started() const { return started_; }
  DWORD Id() const { return info_.dwProcessId; }
  HWND Strip() const { return FindWindowOf(info_.dwProcessId, "VellCmdLine"); }
  // Whether it has ended, waiting as long as given.
  bool Ended(DWORD wait = 0) const {
    return WaitForSingleObject(info_.hProcess, wait) == WAIT_OBJECT_0;
  }
  DWORD ExitCode() const {
    DWORD code = 1;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
  }

 private:
  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

class ProgramTest : public testing::Test {
 protected:
  ProgramTest() {
    ClearSettings();
    CopyFileA((ExeDirectory() + "\\VellCmdLine.exe").c_str(), exe.c_str(), FALSE);
  }
  ~ProgramTest() override { ClearSettings(); }

  // Types the line into the strip's command box and presses Enter there.
  static void Enter(HWND strip, const std::string& line) {
    // GetComboBoxInfo does not reach into another process; the edit field is the box's child.
    HWND edit = FindWindowExA(GetDlgItem(strip, 2), nullptr, "Edit", nullptr);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(line.c_str()));
    PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageA(edit, WM_KEYUP, VK_RETURN, 0xC01C0001);
  }

  // Runs a marker line in the started program, then EXIT (or the given line); returns the line
  // once the program has ended, as it did, with code 0.
  std::string RunLineThenExit(RunningProgram& program, const std::string& exit = "EXIT") {
    HWND strip = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (strip = program.Strip()); }));
    const std::string line = MarkerLine(dir / "ran.txt");
    Enter(strip, line);
    EXPECT_TRUE(WaitForBytes(dir / "ran.txt", "ran"));
    Enter(strip, exit);
    EXPECT_TRUE(program.Ended(30000));
    EXPECT_EQ(program.ExitCode(), 0u);
    return line;
  }

  TempDir dir;
  std::string exe = dir / "VellCmdLine.exe";
};

TEST_F(ProgramTest, secondStart_activatesTheFirstAndEnds) {
  RunningProgram first(exe);
  ASSERT_TRUE(first.Started());
  HWND strip = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (strip = first.Strip()); }));
  ASSERT_TRUE(WaitUntil([&] { return StoredSetting("Top").has_value(); }));

  // Text in the box with the caret after it, the focus on another control of the strip.
  HWND edit = FindWindowExA(GetDlgItem(strip, 2), nullptr, "Edit", nullptr);
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("old"));
  SendMessageA(edit, EM_SETSEL, 3, 3);
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  const auto focus = [&] {
    return GetGUIThreadInfo(GetWindowThreadProcessId(strip, nullptr), &gui) ? gui.hwndFocus
                                                                            : nullptr;
  };
  ASSERT_NE(focus(), edit);
  // Something else is in front when the second start comes; a setting the second must not touch.
  HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                               nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  SetSetting("Top", "777");

  RunningProgram second(exe);
  ASSERT_TRUE(second.Started());
  ASSERT_TRUE(second.Ended(30000));
  EXPECT_FALSE(second.Strip());
  // The first takes the keyboard into the box with its text selected. The question to its box
  // comes first: answered between two of its messages, it sees the activation whole or not at
  // all, and the activation reaches this thread as the loss of the foreground.
  WaitUntil([&] {
    return SendMessageA(edit, EM_GETSEL, 0, 0) == MAKELRESULT(0, 3) &&
           GetForegroundWindow() == strip && focus() == edit;
  });
  EXPECT_EQ(GetForegroundWindow(), strip);
  EXPECT_EQ(focus(), edit);
  EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), MAKELRESULT(0, 3));
  EXPECT_FALSE(first.Ended());
  EXPECT_EQ(StoredSetting("Top"), "777");
  EXPECT_FALSE(ReadBytes(dir / "history.cfg"));
  DestroyWindow(other);
}

TEST_F(ProgramTest, exitTyped_writesTheHistoryAndEnds) {
  WriteBytes(dir / "history.cfg", "earlier\r\n");
  RunningProgram program(exe);
  const std::string line = RunLineThenExit(program);
  EXPECT_EQ(ReadBytes(dir / "history.cfg"), std::string("earlier\r\n").append(line).append("\r\n"));
}

// An installed copy: the exe's folder is one the user cannot write, so the files live in
// %APPDATA%\VellCmdLine, which the program creates. The aliases and the permanent history that
// came beside the exe are read while the user has no copies of them.
TEST_F(ProgramTest, readOnlyFolder_keepsTheFilesInAppData) {
  const std::string folder = ReadOnlyFolder();
  if (folder.empty())
    GTEST_SKIP() << "no read-only folder with the exe (scripts/test-win makes one)";
  HANDLE probe = CreateFileA((folder + "\\probe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (probe != INVALID_HANDLE_VALUE) CloseHandle(probe);
  ASSERT_EQ(probe, INVALID_HANDLE_VALUE) << folder << " is writable";
  char appData[MAX_PATH];
  ASSERT_NE(GetEnvironmentVariableA("APPDATA", appData, MAX_PATH), 0u);
  const std::string files = std::string(appData) + "\\VellCmdLine";
  DeleteFileA((files + "\\history.cfg").c_str());
  RemoveDirectoryA(files.c_str());
  ASSERT_EQ(GetFileAttributesA(files.c_str()), INVALID_FILE_ATTRIBUTES) << files;

  RunningProgram program(folder + "\\VellCmdLine.exe");
  const std::string line = RunLineThenExit(program, "bye");  // the shipped alias of EXIT
  EXPECT_EQ(ReadBytes(files + "\\history.cfg"), "shipped entry\r\n" + line + "\r\n");
  EXPECT_EQ(NamesIn(folder),
            (std::vector<std::string>{"VellCmdLine.exe", "aliases.cfg", "permhist.cfg"}));
}

}  // namespace
