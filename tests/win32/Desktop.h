#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/NativeControl.h"  // WindowText

// What the port's tests need around the program: folders, files, settings, and windows that
// open while the program's own thread is inside a modal loop.

// A new folder under the temporary folder, removed with its contents at the end.
class TempDir {
 public:
  TempDir();
  // A new folder in the given one.
  explicit TempDir(const std::string& base);
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

// Removes a folder with everything in it.
void RemoveTree(const std::string& path);
std::optional<std::string> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
// The names in a folder, without "." and "..", sorted.
std::vector<std::string> NamesIn(const std::string& folder);
// The folder a read-only mount holds with a copy of VellCmdLine.exe in it, when scripts/test-win
// could make one (VELL_READONLY_FOLDER); empty otherwise.
std::string ReadOnlyFolder();
// The folder of this test program; the port's exes are built beside it.
std::string ExeDirectory();
// A command line that starts the marker program, which writes "ran" into the file.
std::string MarkerLine(const std::string& markerFile);

// The user's (CSIDL_PROGRAMS) or all users' (CSIDL_COMMON_PROGRAMS) Start Menu programs folder.
std::string ProgramsFolder(int csidl);

// An environment variable of this process set (or, with a null value, removed) for a scope.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value);
  ~ScopedVariable();
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

// The program's settings as the registry holds them.
void ClearSettings();
std::optional<std::string> StoredSetting(const std::string& key);
void SetSetting(const std::string& key, const std::string& value);

// Waits until done() holds, checking it again whenever a window of the main thread has handled a
// message, a setting changed or this thread got messages; false when it did not within 30 s.
bool WaitUntil(const std::function<bool()>& done);

// Waits until the file holds the bytes, woken by the changes in its folder; false when it did
// not within 30 s.
bool WaitForBytes(const std::string& path, const std::string& bytes);
std::string ClassOf(HWND hwnd);
// A visible top-level window of the process with the class (and the caption, when given).
HWND FindWindowOf(DWORD process, const std::string& windowClass,
                  const std::optional<std::string>& caption = std::nullopt);

// Runs a task on a helper thread, for windows that appear while this thread is in a modal loop.
class Helper {
 public:
  explicit Helper(std::function<void()> task) : thread_(std::move(task)) {}
  ~Helper() { thread_.join(); }

 private:
  std::thread thread_;
};

// Waits for a dialog box of this process (caption given or any), returns the texts of its
// static controls joined by new lines, and presses its button with the id. Empty on time-out.
std::optional<std::string> AnswerDialog(const std::optional<std::string>& caption, int button);
// Waits for this process's popup menu and chooses an item by the keyboard: `down` presses of the
// Down key, then, for an item of a sub-menu, Right and `subDown` more presses, then Enter.
void ChooseFromPopup(int down, std::optional<int> subDown = std::nullopt);
