#pragma once

#include "commandwindow/CmdLine.h"
#include "platform/win32/CmdLineWindow.h"
#include "platform/win32/MenuWindow.h"

// The program's windows wired to the core: the command window, menuholder and their handlers.
class Program {
 public:
  explicit Program(const Services& services);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  CmdLine& Form() { return form_; }
  CmdLineWindow& Window() { return window_; }
  MenuWindow& Menu() { return menu_; }

  // The load handler, then the first showing of the command window.
  void Start();
  // Handles one message of the main loop.
  void Dispatch(MSG& msg);
  // Runs the main loop until the program ends.
  int Run();

 private:
  MenuWindow menu_;
  CmdLineWindow window_;
  CmdLine form_;
};
