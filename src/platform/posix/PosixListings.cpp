#include "platform/posix/PosixListings.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string_view>
#include <unordered_set>

#include "completion/Candidates.h"
#include "platform/posix/PosixShell.h"

namespace {

struct CloseFolder {
  void operator()(DIR* folder) const { ::closedir(folder); }
};
using OpenFolder = std::unique_ptr<DIR, CloseFolder>;

OpenFolder Open(const std::string& path) { return OpenFolder(::opendir(path.c_str())); }

bool Entered(const dirent& entry) {
  const std::string_view name = entry.d_name;
  return name != "." && name != "..";
}

timespec ModifiedOf(const std::string& folder) {
  struct stat status;
  if (::stat(folder.c_str(), &status) != 0) return {};
  return status.st_mtim;
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find(separator), text.size());
    if (end > 0) parts.emplace_back(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return parts;
}

// The XDG base directory rules: an unset or empty variable takes its default, and a relative
// folder in it is ignored.
std::vector<std::string> DataFolders(const std::string& home) {
  std::string user = Environment("XDG_DATA_HOME");
  if (user.empty()) user = home + "/.local/share";
  std::string system = Environment("XDG_DATA_DIRS");
  if (system.empty()) system = "/usr/local/share/:/usr/share/";
  std::vector<std::string> folders;
  for (std::string& folder : Split(user + ":" + system, ':'))
    if (folder.starts_with('/')) folders.push_back(std::move(folder));
  return folders;
}

bool IsExecutableFile(int folder, const char* name) {
  struct stat status;
  return ::fstatat(folder, name, &status, 0) == 0 && S_ISREG(status.st_mode) &&
         ::faccessat(folder, name, X_OK, 0) == 0;
}

// A TryExec program: a path, or a name found on PATH as the shell finds it.
bool Installed(const std::string& program) {
  if (program.find('/') != std::string::npos) return IsExecutableFile(AT_FDCWD, program.c_str());
  return !FindOnPath(program).empty();
}

// A string value with its escapes \s \n \t \r \\ read.
std::string Unescaped(std::string_view value) {
  std::string text;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      text += value[i];
      continue;
    }
    switch (value[++i]) {
      case 's':
        text += ' ';
        break;
      case 'n':
        text += '\n';
        break;
      case 't':
        text += '\t';
        break;
      case 'r':
        text += '\r';
        break;
      case '\\':
        text += '\\';
        break;
      default:
        text += '\\';
        text += value[i];
    }
  }
  return text;
}

// The locale's names for a localised key, most particular first: lang_COUNTRY@MODIFIER,
// lang_COUNTRY, lang@MODIFIER, lang (the encoding is no part of them).
std::vector<std::string> LocaleNames() {
  std::string locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
    if (locale = Environment(name); !locale.empty()) break;
  if (locale.empty() || locale == "C" || locale == "POSIX") return {};
  std::string modifier;
  if (const std::size_t at = locale.find('@'); at != std::string::npos) {
    modifier = locale.substr(at);
    locale.erase(at);
  }
  locale.erase(std::min(locale.find('.'), locale.size()));
  const std::size_t underscore = std::min(locale.find('_'), locale.size());
  const std::string lang = locale.substr(0, underscore);
  std::vector<std::string> names;
  if (underscore < locale.size()) {
    if (!modifier.empty()) names.push_back(locale + modifier);
    names.push_back(locale);
  }
  if (!modifier.empty()) names.push_back(lang + modifier);
  names.push_back(lang);
  return names;
}

bool SharesDesktop(const std::string& list, const std::vector<std::string>& desktops) {
  for (const std::string& name : Split(list, ';'))
    for (const std::string& desktop : desktops)
      if (name == desktop) return true;
  return false;
}

// The application of a desktop entry, or none when the entry is not one to show here.
std::optional<Application> ApplicationOf(const std::string& path,
                                         const std::vector<std::string>& locales,
                                         const std::vector<std::string>& desktops) {
  std::ifstream file(path, std::ios::binary);
  std::map<std::string, std::string, std::less<>> keys;
  bool inEntry = false;
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with('[')) {
      if (inEntry) break;  // the entry's group has ended
      inEntry = line == "[Desktop Entry]";
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!inEntry || line.starts_with('#') || equals == std::string::npos) continue;
    std::string key = line.substr(0, equals);
    while (!key.empty() && key.back() == ' ') key.pop_back();
    std::size_t value = equals + 1;
    while (value < line.size() && line[value] == ' ') ++value;
    keys.try_emplace(std::move(key), line.substr(value));
  }
  const auto value = [&](std::string_view key) {
    const auto found = keys.find(key);
    return found == keys.end() ? std::string() : found->second;
  };
  if (value("Type") != "Application" || value("NoDisplay") == "true" || value("Hidden") == "true")
    return std::nullopt;
  if (keys.contains("OnlyShowIn") && !SharesDesktop(value("OnlyShowIn"), desktops))
    return std::nullopt;
  if (SharesDesktop(value("NotShowIn"), desktops)) return std::nullopt;
  if (const std::string tryExec = Unescaped(value("TryExec"));
      !tryExec.empty() && !Installed(tryExec))
    return std::nullopt;
  std::string name = value("Name");
  for (const std::string& locale : locales)
    if (keys.contains("Name[" + locale + "]")) {
      name = value("Name[" + locale + "]");
      break;
    }
  Application app{Unescaped(name), LineOfExec(Unescaped(value("Exec")))};
  if (app.Name.empty() || app.Line.empty()) return std::nullopt;
  return app;
}

}  // namespace

std::vector<FolderEntry> PosixListings::Folder(const std::string& path) {
  std::vector<FolderEntry> entries;
  const OpenFolder folder = Open(path);
  if (!folder) return entries;
  const int fd = ::dirfd(folder.get());
  while (const dirent* entry = ::readdir(folder.get())) {
    if (!Entered(*entry)) continue;
    bool isFolder = entry->d_type == DT_DIR;
    if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
      struct stat status;
      isFolder = ::fstatat(fd, entry->d_name, &status, 0) == 0 && S_ISDIR(status.st_mode);
    }
    entries.push_back({entry->d_name, isFolder});
  }
  return entries;
}

bool PosixListings::Changed(const Stamps& stamps) {
  for (const Stamp& stamp : stamps) {
    const timespec now = ModifiedOf(stamp.folder);
    if (now.tv_sec != stamp.modified.tv_sec || now.tv_nsec != stamp.modified.tv_nsec) return true;
  }
  return false;
}

const std::vector<std::string>& PosixListings::Programs() {
  const std::vector<std::string> path = Split(Environment("PATH"), ':');
  bool samePath = programFolders_.size() == path.size();
  for (std::size_t i = 0; samePath && i < path.size(); ++i)
    samePath = programFolders_[i].folder == path[i];
  if (!programsRead_ || !samePath || Changed(programFolders_)) IndexPrograms();
  return programs_;
}

void PosixListings::IndexPrograms() {
  programsRead_ = true;
  programFolders_.clear();
  programs_.clear();
  std::unordered_set<std::string> seen;
  for (const std::string& path : Split(Environment("PATH"), ':')) {
    programFolders_.push_back({path, ModifiedOf(path)});
    const OpenFolder folder = Open(path);
    if (!folder) continue;
    const int fd = ::dirfd(folder.get());
    while (const dirent* entry = ::readdir(folder.get())) {
      if (!Entered(*entry) || entry->d_type == DT_DIR) continue;
      if (!seen.contains(entry->d_name) && IsExecutableFile(fd, entry->d_name)) {
        seen.insert(entry->d_name);
        programs_.emplace_back(entry->d_name);
      }
    }
  }
}

const std::vector<Application>& PosixListings::Applications() {
  if (!applicationsRead_ || Changed(applicationFolders_)) IndexApplications();
  return applications_;
}

void PosixListings::FindEntries(const std::string& folder, const std::string& idPrefix,
                                std::vector<std::pair<std::string, std::string>>& entries) {
  applicationFolders_.push_back({folder, ModifiedOf(folder)});
  const OpenFolder listing = Open(folder);
  if (!listing) return;
  while (const dirent* entry = ::readdir(listing.get())) {
    if (!Entered(*entry)) continue;
    const std::string name = entry->d_name;
    const std::string path = folder + "/" + name;
    // An entry in a subfolder has the subfolder's name and a dash in front of its id. A link
    // to a folder is not followed, so that a link to a folder above cannot loop.
    struct stat status;
    if (::lstat(path.c_str(), &status) != 0) continue;
    if (S_ISDIR(status.st_mode))
      FindEntries(path, idPrefix + name + "-", entries);
    else if (name.ends_with(".desktop"))
      entries.emplace_back(idPrefix + name, path);
  }
}

void PosixListings::IndexApplications() {
  applicationsRead_ = true;
  applicationFolders_.clear();
  applications_.clear();
  const std::vector<std::string> locales = LocaleNames();
  const std::vector<std::string> desktops = Split(Environment("XDG_CURRENT_DESKTOP"), ':');
  // The first folder that has an id decides it, even when its entry is one not to show: a
  // user's copy with Hidden=true removes the system's entry.
  std::set<std::string> ids;
  for (const std::string& data : DataFolders(home_)) {
    std::vector<std::pair<std::string, std::string>> entries;
    FindEntries(data + "/applications", "", entries);
    for (const auto& [id, path] : entries) {
      if (!ids.insert(id).second) continue;
      if (std::optional<Application> app = ApplicationOf(path, locales, desktops))
        applications_.push_back(std::move(*app));
    }
  }
}
