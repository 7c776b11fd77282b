#include <gtest/gtest.h>

#include "Desktop.h"
#include "platform/win32/Win32Files.h"

namespace {

struct Kind {
  const char* Name;
  DWORD Attributes;  // 0: a folder
  bool IsFile;
};

TEST(Win32Files, IsFile_ordinaryFilesOnly) {
  TempDir dir;
  Win32Files files(dir.Path());
  const Kind kinds[] = {
      {"plain.cfg", FILE_ATTRIBUTE_NORMAL, true},
      {"readonly.cfg", FILE_ATTRIBUTE_READONLY, true},
      {"archive.cfg", FILE_ATTRIBUTE_ARCHIVE, true},
      {"hidden.cfg", FILE_ATTRIBUTE_HIDDEN, false},
      {"system.cfg", FILE_ATTRIBUTE_SYSTEM, false},
      {"folder.cfg", 0, false},
  };
  for (const Kind& kind : kinds) {
    const std::string path = files.PathOf(kind.Name);
    if (kind.Attributes == 0) {
      CreateDirectoryA(path.c_str(), nullptr);
    } else {
      WriteBytes(path, "x");
      SetFileAttributesA(path.c_str(), kind.Attributes);
    }
    EXPECT_EQ(files.IsFile(path), kind.IsFile) << kind.Name;
  }
  EXPECT_FALSE(files.IsFile(files.PathOf("missing.cfg")));
}

TEST(Win32Files, PathOf_joinsWithBackslash) {
  EXPECT_EQ(Win32Files("C:\\vell").PathOf("history.cfg"), "C:\\vell\\history.cfg");
  EXPECT_EQ(Win32Files("C:\\").PathOf("history.cfg"), "C:\\history.cfg");
  EXPECT_EQ(Win32Files("C:\\vell", "D:\\share").ShippedPathOf("aliases.cfg"),
            "D:\\share\\aliases.cfg");
}

TEST(Win32Files, Replace_writesBytesUnchangedAndLeavesNoTemporaryFile) {
  TempDir dir;
  Win32Files files(dir.Path());
  const std::string path = files.PathOf("history.cfg");
  WriteBytes(path, "old contents that are longer\r\n");
  // Bytes of the system code page, a lone LF and a zero go to disk as they are.
  const std::string bytes("caf\xE9\r\n\xC4\xD6\xDC\nx\0y\r\n", 14);
  ASSERT_TRUE(files.Replace(path, bytes));
  EXPECT_EQ(files.Read(path), bytes);
  EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"history.cfg"});
}

TEST(Win32Files, Replace_failureKeepsTheOldFile) {
  TempDir dir;
  Win32Files files(dir.Path());
  const std::string path = files.PathOf("aliases.cfg");
  WriteBytes(path, "np`notepad.exe\r\n");
  // A file that is open without sharing cannot be replaced.
  HANDLE locked = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(files.Replace(path, "new"));
  CloseHandle(locked);
  EXPECT_EQ(ReadBytes(path), "np`notepad.exe\r\n");

  EXPECT_FALSE(files.Replace(dir / "missing\\aliases.cfg", "new"));
}

TEST(Win32Files, Read_missingFileIsNothing) {
  TempDir dir;
  Win32Files files(dir.Path());
  EXPECT_EQ(files.Read(files.PathOf("permhist.cfg")), std::nullopt);
  WriteBytes(files.PathOf("empty.cfg"), "");
  EXPECT_EQ(files.Read(files.PathOf("empty.cfg")), "");
}

TEST(Win32Files, ProgramDirectory_besideTheExeOnlyWhereItCanWrite) {
  TempDir exe, appData;
  const std::string installed = appData / "VellCmdLine";
  struct Case {
    std::string ExeDirectory;
    std::string Expected;
  };
  std::vector<Case> cases = {{exe.Path(), exe.Path()}, {exe / "missing", installed}};
  if (!ReadOnlyFolder().empty()) cases.push_back({ReadOnlyFolder(), installed});
  for (const Case& c : cases)
    EXPECT_EQ(Win32Files::ProgramDirectory(c.ExeDirectory, appData.Path()), c.Expected)
        << c.ExeDirectory;
  // The probe leaves nothing behind, and the choice creates nothing.
  EXPECT_EQ(NamesIn(exe.Path()), std::vector<std::string>{});
  EXPECT_EQ(NamesIn(appData.Path()), std::vector<std::string>{});
}

}  // namespace
