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
  EXPECT_EQ(shell.Execute(request), ShellResult{ShellOutcome::Started});
  EXPECT_TRUE(WaitForBytes(marker, "ran"));
}

TEST(Win32Shell, Execute_missingFileIsNotFound) {
  Win32Shell shell;
  EXPECT_EQ(shell.Execute(FormShellRequest("no-such-program-anywhere.exe")).Outcome,
            ShellOutcome::NotFound);
}

// ShellExecuteA's numbers: above 32 started; the named errors; any other keeps its number.
TEST(Win32Shell, ShellResultOf_mapsTheSystemsNumbers) {
  const std::pair<INT_PTR, ShellResult> cases[] = {
      {33, {ShellOutcome::Started}},          {42, {ShellOutcome::Started}},
      {0, {ShellOutcome::OutOfResources}},    {2, {ShellOutcome::NotFound}},
      {3, {ShellOutcome::PathNotFound}},      {5, {ShellOutcome::AccessDenied}},
      {8, {ShellOutcome::OutOfMemory}},       {11, {ShellOutcome::NotAProgram}},
      {26, {ShellOutcome::InUse}},            {27, {ShellOutcome::AssociationIncomplete}},
      {28, {ShellOutcome::NoAnswer}},         {29, {ShellOutcome::ApplicationFailed}},
      {30, {ShellOutcome::ApplicationBusy}},  {31, {ShellOutcome::NoAssociation}},
      {32, {ShellOutcome::LibraryNotFound}},  {17, {ShellOutcome::Failed, 17}},
      {-1, {ShellOutcome::Failed, -1}},
  };
  for (const auto& [code, result] : cases) EXPECT_EQ(ShellResultOf(code), result) << code;
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
  EXPECT_EQ(shell.Execute(request).Outcome, ShellOutcome::TooLong);
  request.Parameters.pop_back();
  EXPECT_EQ(shell.Execute(request).Outcome, ShellOutcome::Started);
  EXPECT_TRUE(WaitForBytes(marker, "ran"));
  EXPECT_EQ(shell.Execute(FormShellRequest("%echo " + std::string(40000, 'x'))).Outcome,
            ShellOutcome::TooLong);
}

TEST(Win32Shell, Execute_percentFormRunsTheCommandInterpreter) {
  TempDir dir;
  Win32Shell shell;
  const std::string out = dir / "echo.txt";
  EXPECT_EQ(shell.Execute(FormShellRequest("%echo vell>" + out)).Outcome, ShellOutcome::Started);
  EXPECT_TRUE(WaitForBytes(out, "vell\r\n"));
}

}  // namespace
