// windows.h comes before every other Windows header.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "platform/win32/Program.h"
#include "platform/win32/RegistryStore.h"
#include "platform/win32/Win32CommonDialog.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32GlobalHotkey.h"
#include "platform/win32/Win32Instance.h"
#include "platform/win32/Win32Listings.h"
#include "platform/win32/Win32MsgBox.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/Win32Shell.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  Win32Instance instance;
  RegistryStore store;
  const std::string directory = Win32Files::ProgramDirectory();
  Win32Files files(directory, Win32Files::ExeDirectory());
  Win32MsgBox msgbox;
  Win32CommonDialog dialog;
  Win32Screen screen;
  Win32Shell shell;
  Win32GlobalHotkey hotkey;
  Win32Listings listings;
  const Services services{shell,    store,  files,  msgbox,   dialog,
                          instance, screen, hotkey, listings, Platform::Windows};

  Program program(services);
  // Every window the program opens belongs to the strip.
  shell.SetWindow(program.Window().hwnd());
  msgbox.SetWindow(program.Window().hwnd());
  dialog.SetWindow(program.Window().hwnd());
  hotkey.SetWindow(program.Window().hwnd());
  instance.OnActivate([&program] { program.Form().Activate(); });
  program.Start();
  // The folder under %APPDATA% of an installed copy, created before anything is saved there. A
  // second start has ended inside Start, having written nothing.
  CreateDirectoryA(directory.c_str(), nullptr);
  return program.Run();
}
