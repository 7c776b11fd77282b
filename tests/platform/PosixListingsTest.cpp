// The listings against real folders, PATH and desktop entries in a temporary tree.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

#include "platform/posix/PosixListings.h"

namespace {

namespace fs = std::filesystem;

class PosixListingsTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vell-listings-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_)
      value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
    fs::remove_all(dir_);
  }
  // Sets an environment variable for this test; nullptr unsets it.
  void Env(const std::string& name, const char* value) {
    if (!saved_.contains(name)) {
      const char* old = std::getenv(name.c_str());
      saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    value ? ::setenv(name.c_str(), value, 1) : ::unsetenv(name.c_str());
  }
  fs::path Put(const std::string& name, const std::string& text = "",
               fs::perms perms = fs::perms::owner_read | fs::perms::owner_write) {
    const fs::path path = dir_ / name;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
    fs::permissions(path, perms);
    return path;
  }
  // The folder's modification time a minute back, so that a change now is seen as one.
  void Age(const std::string& folder) {
    const timespec times[2] = {{0, UTIME_OMIT}, {::time(nullptr) - 60, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (dir_ / folder).c_str(), times, 0), 0);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  fs::path dir_;
  std::map<std::string, std::optional<std::string>> saved_;
};

TEST_F(PosixListingsTest, folderListsEntriesWithLinksToFoldersAsFolders) {
  Put("f/file.txt");
  Put("f/it's a \"name\"\n");
  fs::create_directories(dir_ / "f/sub");
  fs::create_directory_symlink(dir_ / "f/sub", dir_ / "f/to-sub");
  fs::create_symlink(dir_ / "f/file.txt", dir_ / "f/to-file");
  fs::create_symlink(dir_ / "nowhere", dir_ / "f/broken");
  fs::create_directories(dir_ / "locked");
  Put("locked/secret");
  fs::permissions(dir_ / "locked", fs::perms::none);
  PosixListings listings("/home/u");

  std::vector<std::pair<std::string, bool>> found;
  for (const FolderEntry& entry : listings.Folder(Path("f")))
    found.emplace_back(entry.Name, entry.Folder);
  std::sort(found.begin(), found.end());
  const std::vector<std::pair<std::string, bool>> expected = {
      {"broken", false}, {"file.txt", false}, {"it's a \"name\"\n", false},
      {"sub", true},     {"to-file", false},  {"to-sub", true}};
  EXPECT_EQ(found, expected);
  EXPECT_TRUE(listings.Folder(Path("nowhere")).empty());
  EXPECT_TRUE(listings.Folder(Path("f/file.txt")).empty());
  // Root reads any folder: the unreadable one is read as nobody.
  const pid_t child = ::fork();
  if (child == 0) {
    if (::geteuid() == 0 && ::setuid(65534) != 0) ::_exit(2);
    ::_exit(listings.Folder(Path("locked")).empty() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 0) << "an unreadable folder lists nothing";
  fs::permissions(dir_ / "locked", fs::perms::owner_all);
  EXPECT_EQ(listings.StartFolder(), "/home/u");
  EXPECT_EQ(listings.HomeFolder(), "/home/u");
  EXPECT_EQ(listings.Style(), PathStyle::Posix);
}

TEST_F(PosixListingsTest, programsAreTheExecutableFilesOnPathEachOnceAndFollowChanges) {
  const fs::perms run = fs::perms::owner_all;
  Put("a/tool", "", run);
  Put("a/readme");
  fs::create_directories(dir_ / "a/folder");
  Put("b/tool", "", run);
  Put("b/other", "", run);
  fs::create_symlink(dir_ / "a/tool", dir_ / "b/linked");
  fs::create_symlink(dir_ / "a/readme", dir_ / "b/linked-readme");
  Age("b");
  Env("PATH", (Path("a") + ":" + Path("b") + "::" + Path("a") + ":" + Path("none")).c_str());
  PosixListings listings("/home/u");

  const auto sorted = [&] {
    std::vector<std::string> names = listings.Programs();
    std::sort(names.begin(), names.end());
    return names;
  };
  EXPECT_EQ(sorted(), (std::vector<std::string>{"linked", "other", "tool"}));
  Put("b/new", "", run);
  EXPECT_EQ(sorted(), (std::vector<std::string>{"linked", "new", "other", "tool"}));
  Env("PATH", Path("b").c_str());
  EXPECT_EQ(sorted(), (std::vector<std::string>{"linked", "new", "other", "tool"}));
  Env("PATH", Path("a").c_str());
  EXPECT_EQ(sorted(), (std::vector<std::string>{"tool"}));
}

TEST_F(PosixListingsTest, applicationsFollowTheDesktopEntryRules) {
  const auto entry = [](const std::string& name, const std::string& more = "") {
    return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + name + " %U\n" + more;
  };
  Put("user/applications/editor.desktop", entry("MyEditor"));
  Put("sys1/applications/editor.desktop", entry("SystemEditor"));
  Put("user/applications/gone.desktop", entry("Gone", "Hidden=true\n"));
  Put("sys1/applications/gone.desktop", entry("Gone"));
  Put("user/applications/kde-viewer.desktop", entry("Viewer", "Hidden=true\n"));
  Put("sys2/applications/kde/viewer.desktop", entry("Viewer"));
  Put("sys2/applications/kde/painter.desktop", entry("Painter"));
  Put("sys1/applications/nodisplay.desktop", entry("NoDisplay", "NoDisplay=true\n"));
  Put("sys1/applications/kdeonly.desktop", entry("KdeOnly", "OnlyShowIn=KDE;\n"));
  Put("sys1/applications/ours.desktop", entry("Ours", "OnlyShowIn=XFCE;GNOME;\n"));
  Put("sys1/applications/notours.desktop", entry("NotOurs", "NotShowIn=GNOME;\n"));
  Put("sys1/applications/missing.desktop", entry("Missing", "TryExec=/no/such/program\n"));
  Put("sys1/applications/present.desktop", entry("Present", "TryExec=sh\n"));
  Put("sys1/applications/link.desktop", "[Desktop Entry]\nType=Link\nName=Link\nURL=x\n");
  Put("sys1/applications/notes.txt", entry("NotAnEntry"));
  Put("sys2/applications/files.desktop",
      "# comment\n[Desktop Entry]\nName = Files\nName[de]=Dateien\nName[fr]=Fichiers\n"
      "Type=Application\nExec=\"/opt/My Files/run\" --new\\swindow %F\n"
      "[Desktop Action New]\nName[de]=Neu\nExec=other\n");
  Env("XDG_DATA_HOME", Path("user").c_str());
  Env("XDG_DATA_DIRS", (Path("sys1") + ":relative:" + Path("sys2")).c_str());
  Env("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
  Env("LC_ALL", nullptr);
  Env("LC_MESSAGES", nullptr);
  Env("LANG", "de_AT.UTF-8");
  PosixListings listings("/home/u");

  std::vector<std::pair<std::string, std::string>> found;
  for (const Application& app : listings.Applications()) found.emplace_back(app.Name, app.Line);
  std::sort(found.begin(), found.end());
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Dateien", "\"/opt/My Files/run\" --new window"},
      {"MyEditor", "MyEditor"},
      {"Ours", "Ours"},
      {"Painter", "Painter"},
      {"Present", "Present"},
  };
  EXPECT_EQ(found, expected);
}

}  // namespace
