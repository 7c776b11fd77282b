#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>

#include "Desktop.h"
#include "platform/win32/Win32Listings.h"

namespace {

constexpr const char* kAppPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

// The folder's last-write time set far back, so that a change now is a change even within the
// clock's resolution.
void MakeOld(const std::string& folder) {
  HANDLE handle = CreateFileA(folder.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  const FILETIME old{0, 0x01C00000};  // 2001
  SetFileTime(handle, nullptr, nullptr, &old);
  CloseHandle(handle);
}

template <typename T>
std::vector<T> Sorted(std::vector<T> items) {
  std::sort(items.begin(), items.end());
  return items;
}

std::vector<std::pair<std::string, bool>> Entries(const std::vector<FolderEntry>& entries) {
  std::vector<std::pair<std::string, bool>> pairs;
  for (const FolderEntry& entry : entries) pairs.emplace_back(entry.Name, entry.Folder);
  return Sorted(pairs);
}

TEST(Win32Listings, Folder_entriesAsExplorerShowsThem) {
  TempDir dir;
  CreateDirectoryA((dir / "sub").c_str(), nullptr);
  WriteBytes(dir / "a.txt", "x");
  for (const auto& [name, attributes] :
       {std::pair{"hidden.txt", FILE_ATTRIBUTE_HIDDEN},
        std::pair{"system.sys", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM}}) {
    WriteBytes(dir / name, "x");
    SetFileAttributesA((dir / name).c_str(), attributes);
  }
  Win32Listings listings;
  const std::vector<std::pair<std::string, bool>> shown{{"a.txt", false}, {"sub", true}};
  EXPECT_EQ(Entries(listings.Folder(dir.Path())), shown);
  EXPECT_EQ(Entries(listings.Folder(dir.Path() + "\\")), shown);
  EXPECT_TRUE(listings.Folder(dir / "missing").empty());
  EXPECT_TRUE(listings.Folder(dir / "a.txt").empty());
}

// The first folder on PATH wins a name, letters in any case; PATHEXT decides what a program
// is, and the list is read again once a folder on PATH or a variable has changed.
TEST(Win32Listings, Programs_byPathextOncePerName) {
  TempDir first, second;
  for (const char* name : {"Tool.EXE", "notes.txt", "run.cmd"}) WriteBytes(first / name, "");
  CreateDirectoryA((first / "folder.exe").c_str(), nullptr);
  for (const char* name : {"tool.exe", "job.bat", "other.com"}) WriteBytes(second / name, "");
  MakeOld(second.Path());
  const ScopedVariable path(
      "PATH", (first.Path() + ";\"" + second.Path() + "\";;" + (first / "missing")).c_str());
  const ScopedVariable extensions("PATHEXT", ".EXE;.CMD;.Bat");
  Win32Listings listings;
  EXPECT_EQ(Sorted(listings.Programs()),
            (std::vector<std::string>{"Tool.EXE", "job.bat", "run.cmd"}));

  WriteBytes(second / "new.exe", "");
  EXPECT_EQ(Sorted(listings.Programs()),
            (std::vector<std::string>{"Tool.EXE", "job.bat", "new.exe", "run.cmd"}));
  const ScopedVariable unset("PATHEXT", nullptr);  // .COM;.EXE;.BAT;.CMD
  EXPECT_EQ(Sorted(listings.Programs()),
            (std::vector<std::string>{"Tool.EXE", "job.bat", "new.exe", "other.com", "run.cmd"}));
}

// The shortcuts of the user's and all users' Start Menu, in subfolders too, and the App Paths
// names; each name once, the user's first. A shortcut added later is found at the next ask.
TEST(Win32Listings, Applications_shortcutsAndAppPaths) {
  const TempDir user(ProgramsFolder(CSIDL_PROGRAMS)), common(ProgramsFolder(CSIDL_COMMON_PROGRAMS));
  CreateDirectoryA((user / "Deeper").c_str(), nullptr);
  for (const std::string& path : {user / "Deeper\\Deep App.lnk", user / "Both.lnk",
                                  user / "readme.txt", common / "Both.lnk", common / "Shared.LNK"})
    WriteBytes(path, "");
  MakeOld(user / "Deeper");
  const std::pair<HKEY, const char*> keys[] = {{HKEY_CURRENT_USER, "vellboth.exe"},
                                               {HKEY_LOCAL_MACHINE, "vellboth.exe"},
                                               {HKEY_LOCAL_MACHINE, "vellmachine.exe"}};
  for (const auto& [root, name] : keys) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, (std::string(kAppPaths) + name).c_str(), 0, nullptr, 0,
                              KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }
  Win32Listings listings;
  // The test's own among what the prefix has installed.
  const auto ours = [&] {
    std::vector<std::pair<std::string, std::string>> found;
    for (const Application& app : listings.Applications())
      if (app.Line.find("\\vell-") != std::string::npos || app.Name.starts_with("vell"))
        found.emplace_back(app.Name, app.Line);
    return Sorted(found);
  };
  std::vector<std::pair<std::string, std::string>> expected{
      {"Both", '"' + (user / "Both.lnk") + '"'},
      {"Deep App", '"' + (user / "Deeper\\Deep App.lnk") + '"'},
      {"Shared", '"' + (common / "Shared.LNK") + '"'},
      {"vellboth.exe", "vellboth.exe"},
      {"vellmachine.exe", "vellmachine.exe"}};
  EXPECT_EQ(ours(), expected);

  WriteBytes(user / "Deeper\\Later.lnk", "");
  expected.insert(expected.begin() + 2, {"Later", '"' + (user / "Deeper\\Later.lnk") + '"'});
  EXPECT_EQ(ours(), expected);
  for (const auto& [root, name] : keys)
    RegDeleteKeyA(root, (std::string(kAppPaths) + name).c_str());
}

}  // namespace
