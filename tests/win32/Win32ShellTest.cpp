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
  EXPECT_TRUE(WaitUntil([&] { return ReadBytes(marker) == "ran"; }));
}

TEST(Win32Shell, Execute_missingFileIsTwo) {
  Win32Shell shell;
  EXPECT_EQ(shell.Execute(FormShellRequest("no-such-program-anywhere.exe")), 2);
}

TEST(Win32Shell, Execute_percentFormRunsTheCommandInterpreter) {
  TempDir dir;
  Win32Shell shell;
  const std::string out = dir / "echo.txt";
  EXPECT_GT(shell.Execute(FormShellRequest("%echo vell>" + out)), 32);
  EXPECT_TRUE(WaitUntil([&] {
    const auto text = ReadBytes(out);
    return text && text->starts_with("vell");
  }));
}

}  // namespace
