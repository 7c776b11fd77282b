#include "Desktop.h"

#include <shlobj.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr const char* kKey = "Software\\VellCmdLine\\Defaults";

// Set each time a window of the main thread, where the program and its modal loops run, has
// handled a sent message: the shows, hides and closes the tests wait for send some.
const HANDLE kWindowsChanged = CreateEventA(nullptr, FALSE, FALSE, nullptr);
[[maybe_unused]] const HHOOK kWindowsWatch = SetWindowsHookExA(
    WH_CALLWNDPROCRET,
    [](int code, WPARAM sent, LPARAM call) -> LRESULT {
      SetEvent(kWindowsChanged);
      return CallNextHookEx(nullptr, code, sent, call);
    },
    nullptr, GetCurrentThreadId());

}  // namespace

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(child);
      else
        DeleteFileA(child.c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

TempDir::TempDir()
    : TempDir([] {
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        return std::string(base);
      }()) {}

TempDir::TempDir(const std::string& base) {
  static int counter = 0;
  for (;;) {
    path_ = base + (base.ends_with('\\') ? "" : "\\") + "vell-" +
            std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    if (CreateDirectoryA(path_.c_str(), nullptr)) return;
  }
}

TempDir::~TempDir() { RemoveTree(path_); }

std::optional<std::string> ReadBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadOnlyFolder() {
  const char* folder = std::getenv("VELL_READONLY_FOLDER");
  return folder ? folder : "";
}

std::string ExeDirectory() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of('\\'));
}

std::string MarkerLine(const std::string& markerFile) {
  std::string line(1, '"');
  line.append(ExeDirectory()).append("\\marker.exe\" ").append(markerFile);
  return line;
}

void ClearSettings() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VellCmdLine"); }

std::optional<std::string> StoredSetting(const std::string& key) {
  char value[256];
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, kKey, key.c_str(), RRF_RT_REG_SZ, nullptr, value, &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return std::string(value);
}

void SetSetting(const std::string& key, const std::string& value) {
  RegSetKeyValueA(HKEY_CURRENT_USER, kKey, key.c_str(), REG_SZ, value.c_str(),
                  static_cast<DWORD>(value.size() + 1));
}

std::string ProgramsFolder(int csidl) {
  char path[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

ScopedVariable::ScopedVariable(const char* name, const char* value) : name_(name) {
  char old[32767];
  const DWORD length = GetEnvironmentVariableA(name, old, sizeof old);
  if (length > 0 && length < sizeof old) old_ = old;
  SetEnvironmentVariableA(name, value);
}

ScopedVariable::~ScopedVariable() {
  SetEnvironmentVariableA(name_.c_str(), old_ ? old_->c_str() : nullptr);
}

bool WaitUntil(const std::function<bool()>& done) {
  HKEY software = nullptr;
  RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_NOTIFY, &software);
  const HANDLE settings = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  const HANDLE changes[] = {kWindowsChanged, settings};
  const ULONGLONG end = GetTickCount64() + 30000;
  bool held;
  for (ULONGLONG now; !(held = done()) && (now = GetTickCount64()) < end;) {
    RegNotifyChangeKeyValue(software, TRUE, REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET,
                            settings, TRUE);
    // New messages for this thread wake it too (a condition on the main thread pumps them); once
    // seen, only newer ones do.
    if (MsgWaitForMultipleObjects(2, changes, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT) ==
        WAIT_OBJECT_0 + 2)
      GetQueueStatus(QS_ALLINPUT);
  }
  RegCloseKey(software);
  CloseHandle(settings);
  return held;
}

bool WaitForBytes(const std::string& path, const std::string& bytes) {
  const HANDLE changes =
      FindFirstChangeNotificationA(path.substr(0, path.find_last_of('\\')).c_str(), FALSE,
                                   FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE);
  const ULONGLONG end = GetTickCount64() + 30000;
  bool held;
  for (ULONGLONG now; !(held = ReadBytes(path) == bytes) && (now = GetTickCount64()) < end;)
    if (WaitForSingleObject(changes, static_cast<DWORD>(end - now)) == WAIT_OBJECT_0)
      FindNextChangeNotification(changes);
  FindCloseChangeNotification(changes);
  return held;
}

std::string ClassOf(HWND hwnd) {
  char name[256];
  return std::string(name, static_cast<std::size_t>(GetClassNameA(hwnd, name, sizeof name)));
}

HWND FindWindowOf(DWORD process, const std::string& windowClass,
                  const std::optional<std::string>& caption) {
  struct Search {
    DWORD process;
    const std::string& windowClass;
    const std::optional<std::string>& caption;
    HWND found = nullptr;
  } search{process, windowClass, caption};
  EnumWindows(
      [](HWND hwnd, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner != s.process || !IsWindowVisible(hwnd) || ClassOf(hwnd) != s.windowClass ||
            (s.caption && WindowText(hwnd) != *s.caption))
          return TRUE;
        s.found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::optional<std::string> AnswerDialog(const std::optional<std::string>& caption, int button) {
  HWND dialog = nullptr;
  if (!WaitUntil([&] { return (dialog = FindWindowOf(GetCurrentProcessId(), "#32770", caption)); }))
    return std::nullopt;
  std::string texts;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (ClassOf(child) == "Static" && IsWindowVisible(child) && !WindowText(child).empty())
      texts.append(texts.empty() ? "" : "\n").append(WindowText(child));
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
  WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
  return texts;
}

void ChooseFromPopup(int down, std::optional<int> subDown) {
  HWND menu = nullptr;
  if (!WaitUntil([&] { return (menu = FindWindowOf(GetCurrentProcessId(), "#32768")); })) return;
  auto press = [&](WPARAM key) {
    PostMessageA(menu, WM_KEYDOWN, key, 0);
    PostMessageA(menu, WM_KEYUP, key, 0xC0000000);
  };
  for (int i = 0; i < down; ++i) press(VK_DOWN);
  if (subDown) {
    press(VK_RIGHT);
    for (int i = 0; i < *subDown; ++i) press(VK_DOWN);
  }
  press(VK_RETURN);
}
