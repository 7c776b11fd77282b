#include "platform/win32/Win32Listings.h"

// windows.h comes before every other Windows header.
// clang-format off
#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>
// clang-format on

#include <cstring>
#include <set>

#include "data/Narrowing.h"
#include "platform/win32/Handle.h"
#include "platform/win32/Win32Shell.h"

namespace {

constexpr const char* kAppPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths";
constexpr const char* kDefaultExtensions = ".COM;.EXE;.BAT;.CMD";

// Calls found with each entry of the folder but "." and ".."; never when it cannot be read.
template <typename Found>
void ForEachEntry(const std::string& folder, Found found) {
  std::string pattern = folder;
  if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/' && pattern.back() != ':')
    pattern += '\\';
  pattern += '*';
  WIN32_FIND_DATAA entry;
  const FindHandle search(FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &entry,
                                           FindExSearchNameMatch, nullptr,
                                           FIND_FIRST_EX_LARGE_FETCH));
  if (!search) return;
  do {
    if (std::strcmp(entry.cFileName, ".") != 0 && std::strcmp(entry.cFileName, "..") != 0)
      found(entry);
  } while (FindNextFileA(search.get(), &entry));
}

std::uint64_t NumberOf(const FILETIME& time) {
  return (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

// A folder's last-write time, which changes when an entry is added, removed or renamed; 0 for
// a folder that is not there.
std::uint64_t LastWrite(const std::string& folder) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  return GetFileAttributesExA(folder.c_str(), GetFileExInfoStandard, &data)
             ? NumberOf(data.ftLastWriteTime)
             : 0;
}

std::vector<std::uint64_t> LastWrites(const std::vector<std::string>& folders) {
  std::vector<std::uint64_t> times;
  for (const std::string& folder : folders) times.push_back(LastWrite(folder));
  return times;
}

std::string Variable(const char* name) {
  std::string value(256, '\0');
  for (;;) {
    const DWORD length =
        GetEnvironmentVariableA(name, value.data(), static_cast<DWORD>(value.size()));
    if (length < value.size()) {
      value.resize(length);
      return value;
    }
    value.resize(length);
  }
}

// The parts of a list such as PATH, without their quotes; empty parts left out.
std::vector<std::string> Split(const std::string& list) {
  std::vector<std::string> parts(1);
  for (const char c : list) {
    if (c == ';')
      parts.emplace_back();
    else if (c != '"')
      parts.back() += c;
  }
  std::erase(parts, std::string());
  return parts;
}

// The file name's extension from its last dot, its letters folded; empty when it has none.
std::string FoldedExtension(const std::string& name) {
  const auto dot = name.find_last_of('.');
  return dot == std::string::npos ? std::string() : Folded(name.substr(dot));
}

std::string KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR wide = nullptr;
  std::string path;
  if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &wide))) {
    const int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size > 1) {
      path.resize(static_cast<std::size_t>(size));
      WideCharToMultiByte(CP_ACP, 0, wide, -1, path.data(), size, nullptr, nullptr);
      path.pop_back();
    }
  }
  CoTaskMemFree(wide);
  return path;
}

// The shortcuts in a folder and its subfolders. Each folder read is noted with its last-write
// time from before the read.
void AddShortcuts(const std::string& folder, std::vector<std::string>& folders,
                  std::vector<std::uint64_t>& times, std::vector<Application>& found) {
  folders.push_back(folder);
  times.push_back(LastWrite(folder));
  ForEachEntry(folder, [&](const WIN32_FIND_DATAA& entry) {
    const std::string name = entry.cFileName;
    // A folder that is a link may lead back up: what it holds is left out.
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) return;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      AddShortcuts(folder + '\\' + name, folders, times, found);
    else if (FoldedExtension(name) == ".lnk")
      found.push_back({name.substr(0, name.size() - 4), '"' + folder + '\\' + name + '"'});
  });
}

KeyHandle OpenAppPaths(HKEY root) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, kAppPaths, 0, KEY_READ, &opened) != ERROR_SUCCESS) return KeyHandle();
  return KeyHandle(opened);
}

// The App Paths key's last-write time, which changes when a name is added or removed.
std::uint64_t AppPathsWritten(HKEY root) {
  const KeyHandle key = OpenAppPaths(root);
  FILETIME time{};
  if (!key || RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr, &time) != ERROR_SUCCESS)
    return 0;
  return NumberOf(time);
}

std::string AppPathsWritten() {
  return std::to_string(AppPathsWritten(HKEY_CURRENT_USER)) + ' ' +
         std::to_string(AppPathsWritten(HKEY_LOCAL_MACHINE));
}

void AddAppPaths(HKEY root, std::vector<Application>& found) {
  const KeyHandle key = OpenAppPaths(root);
  if (!key) return;
  char name[256];  // the longest key name and its end
  for (DWORD index = 0;; ++index) {
    DWORD size = sizeof name;
    const LSTATUS status =
        RegEnumKeyExA(key.get(), index, name, &size, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) return;
    if (status == ERROR_SUCCESS) found.push_back({name, name});
  }
}

}  // namespace

std::string Win32Listings::StartFolder() { return ProfileFolder(); }

std::vector<FolderEntry> Win32Listings::Folder(const std::string& path) {
  std::vector<FolderEntry> entries;
  ForEachEntry(path, [&](const WIN32_FIND_DATAA& entry) {
    // As Explorer shows a folder: hidden entries, and the system's own, left out.
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) return;
    entries.push_back({entry.cFileName, (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  });
  return entries;
}

const std::vector<std::string>& Win32Listings::Programs() {
  const std::string path = Variable("PATH");
  std::string extensions = Variable("PATHEXT");
  std::string rest = path + '\n' + extensions;
  if (programsFrom_ && programsFrom_->rest == rest &&
      LastWrites(programsFrom_->folders) == programsFrom_->times)
    return programs_;

  Source source{Split(path), {}, std::move(rest)};
  source.times = LastWrites(source.folders);
  if (extensions.empty()) extensions = kDefaultExtensions;
  std::set<std::string> programExtensions;
  for (const std::string& extension : Split(extensions))
    programExtensions.insert(Folded(extension));
  programs_.clear();
  std::set<std::string> names;  // folded: the first folder on PATH wins, as when it runs
  for (const std::string& folder : source.folders)
    ForEachEntry(folder, [&](const WIN32_FIND_DATAA& entry) {
      const std::string name = entry.cFileName;
      if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
          programExtensions.count(FoldedExtension(name)) && names.insert(Folded(name)).second)
        programs_.push_back(name);
    });
  programsFrom_ = std::move(source);
  return programs_;
}

const std::vector<Application>& Win32Listings::Applications() {
  if (applicationsFrom_ && applicationsFrom_->rest == AppPathsWritten() &&
      LastWrites(applicationsFrom_->folders) == applicationsFrom_->times)
    return applications_;

  Source source;
  source.rest = AppPathsWritten();
  std::vector<Application> found;
  for (const std::string& root :
       {KnownFolder(FOLDERID_Programs), KnownFolder(FOLDERID_CommonPrograms)})
    if (!root.empty()) AddShortcuts(root, source.folders, source.times, found);
  AddAppPaths(HKEY_CURRENT_USER, found);
  AddAppPaths(HKEY_LOCAL_MACHINE, found);

  // Each name once: the user's own shortcut or key before all users'.
  applications_.clear();
  std::set<std::string> names;
  for (Application& application : found)
    if (names.insert(Folded(application.Name)).second)
      applications_.push_back(std::move(application));
  applicationsFrom_ = std::move(source);
  return applications_;
}
