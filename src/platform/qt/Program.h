#pragma once

#include <functional>
#include <string>

#include "commandwindow/CmdLine.h"
#include "platform/posix/PosixFiles.h"
#include "platform/posix/PosixListings.h"
#include "platform/posix/PosixShell.h"
#include "platform/qt/CmdLineWindow.h"
#include "platform/qt/MenuWindow.h"
#include "platform/qt/QtCommonDialog.h"
#include "platform/qt/QtGlobalHotkey.h"
#include "platform/qt/QtInstance.h"
#include "platform/qt/QtMsgBox.h"
#include "platform/qt/QtQuitSignals.h"
#include "platform/qt/QtScreen.h"
#include "platform/qt/QtSettingsStore.h"

// The folders the program works in, as bytes.
struct ProgramFolders {
  std::string program;  // aliases.cfg and the history files
  std::string home;     // where started programs run
  std::string config;   // the user's configuration directory, which holds the settings
  // The executable's folder, where copies of the files may have come with the program; the
  // program folder when empty.
  std::string executable;

  // The user's, from Qt's standard locations.
  static ProgramFolders OfUser();
};

// The services and the windows wired to the core; a signal or the session's end that ends the
// program takes the close path.
class Program {
 public:
  // end: ends the process at once; everything the program keeps has been written by then.
  Program(const ProgramFolders& folders, std::function<void()> end);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  CmdLineWindow& Window() { return window_; }
  QtSettingsStore& Store() { return store_; }

  // The load handler, a word on an unusable settings file, the program folder, then the first
  // showing of the strip.
  void Start();
  // The close path with the display gone: its messages go to standard error.
  void CloseWithoutDisplay();

 private:
  std::string directory_;
  PosixShell shell_;
  QtSettingsStore store_;
  PosixFiles files_;
  CmdLineWindow window_;
  QtMsgBox msgbox_;
  QtCommonDialog dialog_;
  QtScreen screen_;
  MenuWindow menu_;
  QtInstance instance_;
  QtGlobalHotkey hotkey_;
  PosixListings listings_;
  const Services services_;
  CmdLine form_;
  QtQuitSignals quitSignals_;
};
