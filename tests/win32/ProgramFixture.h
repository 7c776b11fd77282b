#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "Desktop.h"
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

// The real program in this process, with its files in a temporary folder. Only the end is
// recorded instead of ending the test; the files written and the shell's requests are counted
// on their way to the real services.
class ProgramFixture : public testing::Test {
 protected:
  class RecordingInstance : public Win32Instance {
   public:
    void EndNow() override { ++ends; }
    int ends = 0;
  };
  class RecordingFiles : public Win32Files {
   public:
    using Win32Files::Win32Files;
    bool Replace(const std::string& path, std::string_view contents) override {
      replaced.push_back(path.substr(path.find_last_of('\\') + 1));
      return Win32Files::Replace(path, contents);
    }
    std::vector<std::string> replaced;  // file names, in order
  };
  class RecordingShell : public Win32Shell {
   public:
    ShellResult Execute(const ShellRequest& request) override {
      requests.push_back(request);
      return Win32Shell::Execute(request);
    }
    std::vector<ShellRequest> requests;
  };

  ProgramFixture() : files(dir.Path()) { ClearSettings(); }
  ~ProgramFixture() override { ClearSettings(); }

  // A new start of the program, as if the exe were run again.
  void Start() {
    program.reset();
    files.replaced.clear();
    shell.requests.clear();
    instance = std::make_unique<RecordingInstance>();
    hotkey = std::make_unique<Win32GlobalHotkey>();
    listings = std::make_unique<Win32Listings>();
    services.emplace(Services{shell, store, files, msgbox, dialog, *instance, screen, *hotkey,
                              *listings, Platform::Windows});
    program = std::make_unique<Program>(*services);
    shell.SetWindow(Strip());
    msgbox.SetWindow(Strip());
    dialog.SetWindow(Strip());
    hotkey->SetWindow(Strip());
    instance->OnActivate([this] { program->Form().Activate(); });
    program->Start();
    Pump();
  }
  // Handles every message waiting, as the main loop would.
  void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) program->Dispatch(msg);
  }

  HWND Strip() { return program->Window().hwnd(); }
  HWND Control(int id) { return program->Window().Control(id); }
  HWND Text1Edit() {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(Control(CmdLineWindow::kText1), &info);
    return info.hwndItem;
  }
  std::vector<std::string> Text1List() {
    std::vector<std::string> items;
    // As a screen reader reads them.
    const HWND list = Control(CmdLineWindow::kText1List);
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      std::string item(
          static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)),
          '\0');
      SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
      items.push_back(item.c_str());
    }
    return items;
  }
  // Types the line into the command box and presses Enter there.
  void Enter(const std::string& line) {
    SetWindowTextA(Text1Edit(), line.c_str());
    PressEnter();
  }
  // Presses Enter in the command box.
  // Shift+Delete in the command box's edit field.
  void ShiftDelete() {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    PostMessageA(Text1Edit(), WM_KEYDOWN, VK_DELETE, 0);
    Pump();
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
  }
  void PressEnter() {
    SetFocus(Text1Edit());
    PostMessageA(Text1Edit(), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageA(Text1Edit(), WM_KEYUP, VK_RETURN, 0xC01C0001);
    Pump();
  }
  // Puts the text on the clipboard and pastes it into the command box's edit field at its caret.
  void Paste(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(Strip()));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
    SendMessageA(Text1Edit(), WM_PASTE, 0, 0);
  }
  // Opens the popup menu with a left click on Command2 and chooses an item by the keyboard.
  void Choose(int down, std::optional<int> subDown = std::nullopt) {
    Helper chooser([=] { ChooseFromPopup(down, subDown); });
    SendMessageA(Control(CmdLineWindow::kCommand2), BM_CLICK, 0, 0);
    Pump();
  }

  TempDir dir;
  RegistryStore store;
  RecordingFiles files;
  Win32MsgBox msgbox;
  Win32CommonDialog dialog;
  Win32Screen screen;
  RecordingShell shell;
  std::unique_ptr<RecordingInstance> instance;
  std::unique_ptr<Win32GlobalHotkey> hotkey;
  std::unique_ptr<Win32Listings> listings;
  std::optional<Services> services;
  std::unique_ptr<Program> program;
};

// Menu rows as Down presses from the top of the popup menu (separators are skipped).
namespace menu_keys {
inline constexpr int kBrowse = 1;
inline constexpr int kDefineAliases = 2;
inline constexpr int kOnTop = 3;
inline constexpr int kClearHistory = 4;
inline constexpr int kColors = 5;
inline constexpr int kAbout = 6;
inline constexpr int kExit = 7;
}  // namespace menu_keys
