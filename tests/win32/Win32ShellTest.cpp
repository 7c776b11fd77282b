#include <gtest/gtest.h>

#include "Desktop.h"
#include "commandwindow/Dispatch.h"
#include "platform/win32/Win32Shell.h"

namespace {

TEST(Win32Shell, Execute_startsProgramWithParameters) {
  TempDir dir;
  Win32Shell shell;
  const std::string marker = dir / "ran.txt";
  const ShellRequest request = FormShellRequest(MarkerLine(marker));
  EXPECT_GT(shell.Execute(request), 32);
  EXPECT_TRUE(WaitForBytes(marker, "ran"));
}

TEST(Win32Shell, Execute_missingFileIsTwo) {
  Win32Shell shell;
  EXPECT_EQ(shell.Execute(FormShellRequest("no-such-program-anywhere.exe")), 2);
}

// A command line holds 32,767 characters with its NUL: the file in quotes, a space, the
// parameters. A longer one is refused before the system is asked, as a whole.
TEST(Win32Shell, Execute_aCommandLineBeyondTheSystemsLimitIsRefused) {
  TempDir dir;
  Win32Shell shell;
  const std::string marker = dir / "ran.txt";
  ShellRequest request = FormShellRequest(MarkerLine(marker));
  request.Parameters += ' ';
  request.Parameters.resize(32764 - request.File.size(), 'x');
  EXPECT_EQ(shell.Execute(request), kShellTooLong);
  request.Parameters.pop_back();
  EXPECT_GT(shell.Execute(request), 32);
  EXPECT_TRUE(WaitForBytes(marker, "ran"));
  EXPECT_EQ(shell.Execute(FormShellRequest("%echo " + std::string(40000, 'x'))), kShellTooLong);
}

TEST(Win32Shell, Execute_percentFormRunsTheCommandInterpreter) {
  TempDir dir;
  Win32Shell shell;
  const std::string out = dir / "echo.txt";
  EXPECT_GT(shell.Execute(FormShellRequest("%echo vell>" + out)), 32);
  EXPECT_TRUE(WaitForBytes(out, "vell\r\n"));
}

}  // namespace
