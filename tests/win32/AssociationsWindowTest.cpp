#include "ProgramFixture.h"
#include "aliaseditor/Associations.h"
#include "platform/win32/AssociationsWindow.h"

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

TEST_F(AssociationsWindowTest, controls_atTheirDesignedPlacesInTabOrder) {
  AliasTable table;
  SharedDialog dlg1(dialog);
  Associations form(table, dlg1, files, msgbox);
  AssociationsWindow window(nullptr, form);
  const LONG_PTR style = GetWindowLongPtrA(window.hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_EQ(WindowText(window.hwnd()), "Aliases");

  // The designed twips at the 96 DPI of the tests' Wine prefix, 15 to the pixel.
  RECT client;
  GetClientRect(window.hwnd(), &client);
  EXPECT_EQ(client.right, 384);
  EXPECT_EQ(client.bottom, 272);
  const std::pair<const char*, RECT> placed[] = {
      {"Picture1", {5, 8, 378, 66}},     {"Label1(1)", {8, 72, 89, 89}},
      {"Label1(0)", {112, 72, 297, 89}}, {"Text1(0)", {8, 88, 105, 113}},
      {"Text1(1)", {112, 88, 289, 113}}, {"Command2", {296, 90, 321, 111}},
      {"Command1", {328, 88, 377, 113}}, {"Frame1(0)", {8, 112, 377, 121}},
      {"List1", {8, 128, 377, 223}},     {"Frame1(1)", {8, 224, 377, 233}},
      {"Label2", {8, 240, 377, 265}},
  };
  for (const auto& [name, designed] : placed) {
    HWND hwnd = window.Control(name);
    ASSERT_TRUE(hwnd) << name;
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, window.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, designed.left) << name;
    EXPECT_EQ(r.top, designed.top) << name;
    EXPECT_EQ(r.right, designed.right) << name;
    EXPECT_EQ(r.bottom, designed.bottom) << name;
  }

  // Tab visits the controls that take the focus, by their tab indexes.
  const char* order[] = {"List1", "Text1(0)", "Text1(1)", "Command1", "Command2", "List1"};
  for (std::size_t i = 1; i < std::size(order); ++i)
    EXPECT_EQ(GetNextDlgTabItem(window.hwnd(), window.Control(order[i - 1]), FALSE),
              window.Control(order[i]))
        << order[i];
  EXPECT_FALSE(GetWindowLongPtrA(window.Control("Command1"), GWL_STYLE) & BS_DEFPUSHBUTTON);
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

// The keyboard: Delete in the list removes the selected alias after the double-click's
// question, and Escape closes the editor as its close box does (it saves) and closes About.
TEST_F(AssociationsWindowTest, keyboard_deleteRemovesAndEscapeCloses) {
  WriteBytes(dir / "aliases.cfg", "a`1\r\nb`2\r\n");
  Start();
  std::optional<std::string> question;
  // A key pressed on the keyboard, for the window that has the focus.
  auto press = [](WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
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
