#include "ProgramFixture.h"
#include "aliaseditor/Associations.h"

namespace {

using AssociationsWindowTest = ProgramFixture;

// A designed control of an editor in another thread: the window numbers them by table row.
HWND ControlOf(HWND window, std::string_view name) {
  for (int row = 0; const auto& control : Associations::kControls) {
    if (name == control.Name) return GetDlgItem(window, 100 + row);
    ++row;
  }
  return nullptr;
}

// The editor as the menu opens it; what differs from the design is gathered in its thread.
TEST_F(AssociationsWindowTest, controls_atTheirDesignedPlacesInTabOrder) {
  Start();
  std::vector<std::string> differences;
  bool opened = false;
  {
    Helper check([&] {
      HWND window = nullptr;
      if (!(opened = WaitUntil([&] {
              return (window = FindWindowOf(GetCurrentProcessId(), "VellCmdLineDialog", "Aliases"));
            })))
        return;
      auto differs = [&](bool different, const std::string& what) {
        if (different) differences.push_back(what);
      };
      const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
      differs(!(style & WS_SYSMENU), "no close box");
      differs(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), "sizable");
      differs(WindowText(window) != "Aliases", "caption");

      // The designed twips at the 96 DPI of the tests' Wine prefix, 15 to the pixel.
      RECT client;
      GetClientRect(window, &client);
      differs(client.right != 384 || client.bottom != 272, "client size");
      const std::pair<const char*, RECT> placed[] = {
          {"Picture1", {5, 8, 378, 66}},     {"Label1(1)", {8, 72, 89, 89}},
          {"Label1(0)", {112, 72, 297, 89}}, {"Text1(0)", {8, 88, 105, 113}},
          {"Text1(1)", {112, 88, 289, 113}}, {"Command2", {296, 90, 321, 111}},
          {"Command1", {328, 88, 377, 113}}, {"Frame1(0)", {8, 112, 377, 121}},
          {"List1", {8, 128, 377, 223}},     {"Frame1(1)", {8, 224, 377, 233}},
          {"Label2", {8, 240, 377, 265}},
      };
      for (const auto& [name, designed] : placed) {
        HWND hwnd = ControlOf(window, name);
        RECT r{};
        GetWindowRect(hwnd, &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        differs(!hwnd || r.left != designed.left || r.top != designed.top ||
                    r.right != designed.right || r.bottom != designed.bottom,
                name);
      }

      // Tab visits the controls that take the focus, by their tab indexes.
      const char* order[] = {"List1", "Text1(0)", "Text1(1)", "Command1", "Command2", "List1"};
      for (std::size_t i = 1; i < std::size(order); ++i)
        differs(GetNextDlgTabItem(window, ControlOf(window, order[i - 1]), FALSE) !=
                    ControlOf(window, order[i]),
                std::string("tab to ") + order[i]);
      differs(GetWindowLongPtrA(ControlOf(window, "Command1"), GWL_STYLE) & BS_DEFPUSHBUTTON,
              "Command1 default");
      PostMessageA(window, WM_CLOSE, 0, 0);
    });
    Choose(menu_keys::kDefineAliases);
  }
  EXPECT_TRUE(opened);
  EXPECT_EQ(differences, std::vector<std::string>{});
}

// Opens the editor from the menu, adds two aliases, removes the first one by a double-click and
// closes it.
TEST_F(AssociationsWindowTest, editor_addsRemovesAndSaves) {
  WriteBytes(dir / "aliases.cfg", "old`old.exe\r\n");
  Start();
  std::string targetShown;
  std::optional<std::string> question;
  {
    Helper editor([&] {
      HWND window = nullptr;
      if (!WaitUntil([&] {
            return (window = FindWindowOf(GetCurrentProcessId(), "VellCmdLineDialog", "Aliases"));
          }))
        return;
      auto control = [&](const char* name) { return ControlOf(window, name); };
      const std::pair<const char*, const char*> rows[] = {{" np ", " notepad.exe "},
                                                          {"ed", "\"C:\\My Tools\\ed.exe\""}};
      for (const auto& [name, target] : rows) {
        SendMessageA(control("Text1(0)"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
        SendMessageA(control("Text1(1)"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(target));
        SendMessageA(control("Command1"), BM_CLICK, 0, 0);
      }
      // A double-click on the first entry: its first click shows the target.
      HWND list = control("List1");
      RECT item;
      SendMessageA(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
      const LPARAM at = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
      SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
      SendMessageA(list, WM_LBUTTONUP, 0, at);
      targetShown = WindowText(control("Label2"));
      PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
      PostMessageA(list, WM_LBUTTONUP, 0, at);
      question = AnswerDialog("Vell Command Line", IDOK);
      PostMessageA(window, WM_CLOSE, 0, 0);
    });
    Choose(menu_keys::kDefineAliases);
  }
  EXPECT_EQ(targetShown, "old.exe");
  EXPECT_EQ(question, "Are you sure you wish to remove this alias?");
  EXPECT_EQ(ReadBytes(dir / "aliases.cfg"), "np`notepad.exe\r\ned`\"C:\\My Tools\\ed.exe\"\r\n");
  EXPECT_EQ(program->Form().Aliases().ResolveAlias("np"), "notepad.exe");
}

// The keyboard: Shift+Escape closes nothing, Delete in the list removes the selected alias after
// the double-click's question, and Escape closes the editor as its close box does (it saves) and
// closes About.
TEST_F(AssociationsWindowTest, keyboard_deleteRemovesAndEscapeCloses) {
  WriteBytes(dir / "aliases.cfg", "a`1\r\nb`2\r\n");
  Start();
  std::optional<std::string> question;
  // A key pressed on the keyboard, for the window that has the focus, with a modifier held.
  auto press = [](WORD key, WORD held = 0) {
    std::vector<INPUT> input;
    auto add = [&](WORD vk, DWORD flags) {
      if (!vk) return;
      INPUT event{};
      event.type = INPUT_KEYBOARD;
      event.ki.wVk = vk;
      event.ki.dwFlags = flags;
      input.push_back(event);
    };
    add(held, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    add(held, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
  };

  // Escape, then the close box should the window still be open.
  auto escape = [&](HWND window) {
    press(VK_ESCAPE);
    if (WaitUntil([&] { return !IsWindowVisible(window); })) return true;
    PostMessageA(window, WM_CLOSE, 0, 0);
    return false;
  };
  bool editorClosed = false, aboutClosed = false;
  {
    Helper editor([&] {
      HWND window = nullptr;
      if (!WaitUntil([&] {
            return (window = FindWindowOf(GetCurrentProcessId(), "VellCmdLineDialog", "Aliases"));
          }))
        return;
      // The list has the focus when the editor opens.
      SendMessageA(ControlOf(window, "List1"), LB_SETCURSEL, 0, 0);
      press(VK_ESCAPE, VK_SHIFT);  // had it closed the editor, Delete would ask nothing
      press(VK_DELETE);
      question = AnswerDialog("Vell Command Line", IDOK);
      editorClosed = escape(window);
    });
    Choose(menu_keys::kDefineAliases);
  }
  EXPECT_EQ(question, "Are you sure you wish to remove this alias?");
  EXPECT_TRUE(editorClosed);
  EXPECT_EQ(ReadBytes(dir / "aliases.cfg"), "b`2\r\n");
  {
    Helper about([&] {
      HWND window = nullptr;
      if (WaitUntil([&] {
            return (window = FindWindowOf(GetCurrentProcessId(), "VellCmdLineDialog", "About..."));
          }))
        aboutClosed = escape(window);
    });
    Choose(menu_keys::kAbout);
  }
  EXPECT_TRUE(aboutClosed);
}

// The session ends while the editor is open, whichever of the two windows Windows asks first:
// the aliases are saved once, then the history, and the program ends once.
TEST_F(AssociationsWindowTest, editor_sessionEndSavesTheAliasesOnce) {
  for (const bool editorAskedFirst : {false, true}) {
    WriteBytes(dir / "aliases.cfg", "");
    DeleteFileA((dir / "history.cfg").c_str());
    Start();
    const std::string line = MarkerLine(dir / "ran.txt");
    Enter(line);
    std::optional<std::string> aliases, history;
    {
      Helper editor([&] {
        HWND window = nullptr;
        if (!WaitUntil([&] {
              return (window = FindWindowOf(GetCurrentProcessId(), "VellCmdLineDialog", "Aliases"));
            }))
          return;
        SendMessageA(ControlOf(window, "Text1(0)"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("np"));
        SendMessageA(ControlOf(window, "Text1(1)"), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>("notepad.exe"));
        SendMessageA(ControlOf(window, "Command1"), BM_CLICK, 0, 0);
        std::vector<HWND> asked{Strip()};
        if (editorAskedFirst) asked.insert(asked.begin(), window);
        for (HWND hwnd : asked) SendMessageA(hwnd, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
        for (HWND hwnd : asked) SendMessageA(hwnd, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
        aliases = ReadBytes(dir / "aliases.cfg");
        history = ReadBytes(dir / "history.cfg");
        PostMessageA(window, WM_CLOSE, 0, 0);
      });
      Choose(menu_keys::kDefineAliases);
    }
    EXPECT_EQ(aliases, "np`notepad.exe\r\n") << editorAskedFirst;
    EXPECT_EQ(history, line + "\r\n") << editorAskedFirst;
    // Also after the editor has closed.
    EXPECT_EQ(files.replaced, (std::vector<std::string>{"aliases.cfg", "history.cfg"}))
        << editorAskedFirst;
    EXPECT_EQ(instance->ends, 1) << editorAskedFirst;
  }
}

}  // namespace
