#include <shlobj.h>

#include "ProgramFixture.h"
#include "platform/win32/CmdLineWindow.h"

namespace {

using CmdLineWindowTest = ProgramFixture;

// 15 twips to the pixel at the 96 DPI of the tests' Wine prefix.
constexpr int kTwips = 15;

// The text and background colours the strip gives the command box's edit field.
std::pair<COLORREF, COLORREF> EditColorsOf(HWND strip, HWND edit) {
  HDC dc = GetDC(edit);
  SendMessageA(strip, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(edit));
  const std::pair colors(GetTextColor(dc), GetBkColor(dc));
  ReleaseDC(edit, dc);
  return colors;
}

TEST_F(CmdLineWindowTest, window_designedStripWithoutTitleBar) {
  Start();
  const LONG_PTR style = GetWindowLongPtrA(Strip(), GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & (WS_CAPTION | WS_SYSMENU));
  EXPECT_TRUE(GetWindowLongPtrA(Strip(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(WindowText(Strip()), "");
  // The application title is on a hidden window of the program.
  EXPECT_EQ(WindowText(instance->Window()), "Vell Command Line");

  RECT client;
  GetClientRect(Strip(), &client);
  EXPECT_NEAR(kTwips * client.right, CmdLine::kClientWidth, 15);
  EXPECT_NEAR(kTwips * client.bottom, CmdLine::kClientHeight, 15);
}

TEST_F(CmdLineWindowTest, controls_designedStackingTabOrderAndFocus) {
  Start();
  // Stacking order, top first.
  HWND first = GetWindow(Strip(), GW_CHILD);
  HWND second = GetWindow(first, GW_HWNDNEXT);
  HWND third = GetWindow(second, GW_HWNDNEXT);
  EXPECT_EQ(first, Control(CmdLineWindow::kCommand2));
  EXPECT_EQ(second, Control(CmdLineWindow::kText1));
  EXPECT_EQ(third, Control(CmdLineWindow::kCommand1));

  EXPECT_EQ(ClassOf(second), "ComboBox");
  EXPECT_EQ(GetWindowLongPtrA(second, GWL_STYLE) & 3, CBS_SIMPLE);
  EXPECT_EQ(WindowText(third), ">");
  EXPECT_EQ(GetWindowLongPtrA(third, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_FALSE(GetWindowLongPtrA(first, GWL_STYLE) & WS_TABSTOP);

  // Command1 has tab index 0, then Text1; Command2 is skipped.
  EXPECT_EQ(GetFocus(), third);
  const std::pair<HWND, bool> tabs[] = {{Text1Edit(), true}, {third, false}, {Text1Edit(), true}};
  for (const auto& [expected, inText1] : tabs) {
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    Pump();
    EXPECT_EQ(GetFocus() == Text1Edit(), inText1);
    EXPECT_EQ(GetFocus(), expected);
  }
}

TEST_F(CmdLineWindowTest, enter_runsTheProgramAndTheLineJoinsTheList) {
  Start();
  const std::string marker = dir / "ran.txt";
  const std::string line = MarkerLine(marker);
  Enter("  " + line + " ");
  EXPECT_TRUE(WaitForBytes(marker, "ran"));
  EXPECT_EQ(Text1List(), std::vector<std::string>{line});
  EXPECT_EQ(WindowText(Text1Edit()), "");
}

// An alias named by the line's first word starts its target with the rest as its parameters.
TEST_F(CmdLineWindowTest, enter_anAliasWithArgumentsRunsItsTargetWithThem) {
  WriteBytes(dir / "aliases.cfg", "mk`" + ExeDirectory() + "\\marker.exe\r\n");
  Start();
  const std::string marker = dir / "ran by alias.txt";
  Enter("mk \"" + marker + "\"");
  EXPECT_TRUE(WaitForBytes(marker, "ran"));
  EXPECT_EQ(Text1List(), std::vector<std::string>{"mk \"" + marker + "\""});
}

TEST_F(CmdLineWindowTest, enter_missingFileShowsNotFoundAndKeepsTheLine) {
  Start();
  std::optional<std::string> shown;
  {
    Helper answer([&] { shown = AnswerDialog("Vell Command Line", IDOK); });
    Enter("no-such-program-anywhere.exe");
  }
  ASSERT_TRUE(shown);
  EXPECT_NE(shown->find("This command was not found"), std::string::npos) << *shown;
  EXPECT_NE(shown->find("If you wish to run a DOS system command, preclude it with COMMAND /C or "
                        "the symbol %"),
            std::string::npos);
  EXPECT_EQ(WindowText(Text1Edit()), "no-such-program-anywhere.exe");
  EXPECT_TRUE(Text1List().empty());
}

// The caret in the command box's edit field, in characters.
std::size_t CaretOf(HWND edit) {
  DWORD start = 0, caret = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&caret));
  return caret;
}

// A paste keeps what comes before its first line break, the text after the caret stays, and no
// control character but tab gets in.
TEST_F(CmdLineWindowTest, paste_keepsOneLine) {
  Start();
  const struct {
    std::string before, after, pasted, text;
  } cases[] = {
      {"", "", "one\r\ntwo", "one"},        {"", "", "one\ntwo", "one"},
      {"", "", "one\rtwo\r\nthree", "one"}, {"a ", " z", "one\rtwo", "a one z"},
      {"a ", " z", "\r\ntwo", "a  z"},      {"", "", "tab\there\x1b\x07!", "tab\there!"},
      {"", "", "rm\x7f x", "rm x"},
  };
  for (const auto& c : cases) {
    SetWindowTextA(Text1Edit(), (c.before + c.after).c_str());
    SendMessageA(Text1Edit(), EM_SETSEL, c.before.size(), static_cast<LPARAM>(c.before.size()));
    Paste(c.pasted);
    EXPECT_EQ(program->Window().Text(), c.text) << c.pasted;
    EXPECT_EQ(CaretOf(Text1Edit()), c.text.size() - c.after.size()) << c.pasted;
  }
}

// Two pasted lines run one command, the first line, and only that joins the history.
TEST_F(CmdLineWindowTest, pastedLines_runTheFirstLineOnly) {
  Start();
  std::vector<std::string> firsts;
  for (const char* lineBreak : {"\r\n", "\r", "\n"}) {
    const std::string marker = dir / ("first" + std::to_string(firsts.size()) + ".txt");
    firsts.push_back(MarkerLine(marker));
    Paste(firsts.back() + lineBreak + MarkerLine(dir / "second.txt"));
    PressEnter();
    EXPECT_TRUE(WaitForBytes(marker, "ran")) << lineBreak;
  }
  ASSERT_EQ(shell.requests.size(), firsts.size());
  for (std::size_t i = 0; i < firsts.size(); ++i) {
    EXPECT_EQ(shell.requests[i].File, ExeDirectory() + "\\marker.exe");
    EXPECT_EQ(shell.requests[i].Parameters, dir / ("first" + std::to_string(i) + ".txt"));
  }
  EXPECT_EQ(Text1List(), firsts);
}

// A pasted line beyond what a command line holds (32,767 characters) is not run cut, as Wine
// would run it: a message says so, the box keeps it whole and the list does not get it. A line
// beyond an edit's default limit (30,000 under Wine) that fits runs whole.
TEST_F(CmdLineWindowTest, longLine_runsWholeOrNotAtAll) {
  Start();
  std::string tooLong = MarkerLine(dir / "cut.txt") + " ";
  tooLong.resize(40000, 'x');
  std::optional<std::string> shown;
  {
    Helper answer([&] { shown = AnswerDialog("Vell Command Line", IDOK); });
    Paste(tooLong);
    PressEnter();
  }
  ASSERT_TRUE(shown);
  EXPECT_EQ(*shown,
            "This command could not be run: it is longer than the system passes to a program "
            "whole.");
  EXPECT_TRUE(program->Window().Text() == tooLong);
  EXPECT_TRUE(Text1List().empty());

  std::string fits = MarkerLine(dir / "ran.txt") + " ";
  fits.resize(31000, 'x');
  SetWindowTextA(Text1Edit(), "");
  Paste(fits);
  PressEnter();
  EXPECT_TRUE(WaitForBytes(dir / "ran.txt", "ran"));
  EXPECT_TRUE(Text1List() == std::vector{fits});
  EXPECT_FALSE(ReadBytes(dir / "cut.txt"));
}

// A picked entry of more than 64 KB shows at once as its start, read-only; Enter hands the whole
// entry to the shell (too long for a command line: a message, and the box keeps it), typing
// replaces it whole, and it goes back to disk whole.
TEST_F(CmdLineWindowTest, longEntry_showsItsStartReadOnlyAndStaysWhole) {
  const std::string entry = "%echo " + std::string(std::size_t{20} << 20, 'x');
  WriteBytes(dir / "history.cfg", "short\r\n" + entry + "\r\n");
  Start();
  const auto readOnly = [&] {
    return (GetWindowLongPtrA(Text1Edit(), GWL_STYLE) & ES_READONLY) != 0;
  };
  SetFocus(Text1Edit());
  for (int i = 0; i < 2; ++i) PostMessageA(Text1Edit(), WM_KEYDOWN, VK_DOWN, 0);
  Pump();
  EXPECT_EQ(WindowText(Text1Edit()), "%echo " + std::string(994, 'x') + "...");
  EXPECT_TRUE(readOnly());
  std::optional<std::string> shown;
  {
    Helper answer([&] { shown = AnswerDialog("Vell Command Line", IDOK); });
    PressEnter();
  }
  ASSERT_EQ(shell.requests.size(), 1u);
  EXPECT_TRUE(shell.requests[0].InterpreterLine == entry.substr(1));
  ASSERT_TRUE(shown);
  EXPECT_NE(shown->find("longer than the system"), std::string::npos) << *shown;
  EXPECT_EQ(Text1List().size(), 2u);
  // Typing replaces it whole.
  PostMessageA(Text1Edit(), WM_CHAR, 'a', 0);
  Pump();
  EXPECT_EQ(WindowText(Text1Edit()), "a");
  EXPECT_FALSE(readOnly());
  EXPECT_EQ(program->Form().Text1.Shown().Entries(), 0u);  // candidates for "a" may follow
  PostMessageA(Text1Edit(), WM_CHAR, VK_BACK, 0);
  PostMessageA(Text1Edit(), WM_KEYDOWN, VK_UP, 0);
  Pump();
  EXPECT_EQ(WindowText(Text1Edit()), "short");
  EXPECT_FALSE(readOnly());
  Enter("exit");
  EXPECT_TRUE(ReadBytes(dir / "history.cfg") == "short\r\n" + entry + "\r\n");
}

// The combo box's own Up and Down take the core's steps for the Linux port's list
// (Text1KeyDown.upAndDownPickFromTheCaretAsTheComboBoxDoes).
TEST_F(CmdLineWindowTest, upAndDown_pickFromTheCaretAsTheCoreDoes) {
  WriteBytes(dir / "history.cfg", "a\r\nb\r\nc\r\nd\r\ne\r\n");
  Start();
  SetFocus(Text1Edit());
  const std::pair<std::string_view, const char*> steps[] = {
      {"Down", "a"},  {"Down", "b"}, {"Down", "c"}, {"Up", "b"}, {"", ""},      {"Down", "b"},
      {"Remove", ""}, {"Up", "c"},   {"x", "x"},    {"", ""},    {"Down", "a"}, {"Down", "c"},
      {"Down", "d"},  {"Down", "e"}, {"Down", "e"}, {"Up", "d"},
  };
  for (const auto& [step, text] : steps) {
    if (step == "Down" || step == "Up") {
      PostMessageA(Text1Edit(), WM_KEYDOWN, step == "Up" ? VK_UP : VK_DOWN, 0);
    } else if (step == "Remove") {
      ShiftDelete();
    } else {
      SendMessageA(Text1Edit(), EM_SETSEL, 0, -1);
      PostMessageA(Text1Edit(), WM_CHAR, step.empty() ? VK_BACK : step[0], 0);
    }
    Pump();
    EXPECT_EQ(WindowText(Text1Edit()), text) << step;
  }
}

// An entry recalled from the list into the edit field comes as one line.
TEST_F(CmdLineWindowTest, recall_entryComesBackAsOneLine) {
  WriteBytes(dir / "history.cfg",
             "a\x1b"
             "b\tc\x07\r\n");
  Start();
  SetFocus(Text1Edit());
  PostMessageA(Text1Edit(), WM_KEYDOWN, VK_DOWN, 0);
  Pump();
  EXPECT_EQ(Text1List(), std::vector<std::string>{"a\x1b"
                                                  "b\tc\x07"});
  EXPECT_EQ(program->Window().Text(), "ab\tc");
}

// A click on a row puts its entry into the box, selected, with the focus there to type on.
TEST_F(CmdLineWindowTest, click_picksTheRowIntoTheBox) {
  WriteBytes(dir / "history.cfg", "first entry\r\nsecond entry\r\n");
  Start();
  SetFocus(Text1Edit());
  const HWND list = Control(CmdLineWindow::kText1List);
  RECT row{};
  SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
  const LPARAM at = MAKELPARAM(row.left + 5, (row.top + row.bottom) / 2);
  PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(list, WM_LBUTTONUP, 0, at);
  Pump();
  EXPECT_EQ(program->Window().Text(), "second entry");
  EXPECT_EQ(GetFocus(), Text1Edit());
  DWORD start = 0, end = 0;
  SendMessageA(Text1Edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 12u);
}

// Typing narrows the list to the entries that contain the text, letters in either case; picks
// step through them without narrowing; Shift+Delete removes the picked one and puts back the
// typed text and the removed entry on the clipboard; Enter runs the box's text, not a row that
// contains it. The letters typed stand in no folder name: the marker line holds the build's path.
TEST_F(CmdLineWindowTest, typing_narrowsTheListAndShiftDeleteRemovesThePick) {
  const std::string line = MarkerLine(dir / "ran.txt");
  WriteBytes(dir / "history.cfg", "quxly\r\nbeta\r\nQUXLYBET\r\n" + line + "x\r\n");
  Start();
  SetFocus(Text1Edit());
  for (const char c : std::string("qux")) PostMessageA(Text1Edit(), WM_CHAR, c, 0);
  Pump();
  EXPECT_EQ(Text1List(), (std::vector<std::string>{"quxly", "QUXLYBET"}));
  // An edit after a pick ends it, even one back to the typed text.
  PostMessageA(Text1Edit(), WM_KEYDOWN, VK_DOWN, 0);
  Pump();
  SendMessageA(Text1Edit(), EM_SETSEL, 3, 5);
  PostMessageA(Text1Edit(), WM_CHAR, VK_BACK, 0);
  Pump();
  EXPECT_EQ(WindowText(Text1Edit()), "qux");
  ShiftDelete();  // the edit field's own: under Wine it deletes the character before the caret
  EXPECT_EQ(Text1List().size(), 2u);
  const std::string typed = WindowText(Text1Edit());

  for (int i = 0; i < 2; ++i) PostMessageA(Text1Edit(), WM_KEYDOWN, VK_DOWN, 0);
  Pump();
  EXPECT_EQ(WindowText(Text1Edit()), "QUXLYBET");
  EXPECT_EQ(Text1List().size(), 2u);
  ShiftDelete();
  EXPECT_EQ(Text1List(), std::vector<std::string>{"quxly"});
  EXPECT_EQ(WindowText(Text1Edit()), typed);
  // As the old Cut key, it leaves the removed entry on the clipboard.
  ASSERT_TRUE(OpenClipboard(Strip()));
  const HANDLE clipboard = GetClipboardData(CF_TEXT);
  EXPECT_EQ(std::string(clipboard ? static_cast<const char*>(GlobalLock(clipboard)) : ""),
            "QUXLYBET");
  if (clipboard) GlobalUnlock(clipboard);
  CloseClipboard();

  Enter(line);
  EXPECT_TRUE(WaitForBytes(dir / "ran.txt", "ran"));
  EXPECT_FALSE(ReadBytes(dir / "ran.txtx"));
  EXPECT_EQ(Text1List(), (std::vector<std::string>{"quxly", "beta", line + "x", line}));
  Enter("exit");
  EXPECT_EQ(ReadBytes(dir / "history.cfg"), "quxly\r\nbeta\r\n" + line + "x\r\n" + line + "\r\n");
}

// The newest match of a narrowed list comes into view.
TEST_F(CmdLineWindowTest, typing_scrollsTheNewestMatchIntoView) {
  std::string history;
  // "vell": no program on PATH, no application offers itself after the matches.
  for (int i = 0; i < 60; ++i) history += "vell " + std::to_string(i) + "\r\n";
  WriteBytes(dir / "history.cfg", history);
  Start();
  SetFocus(Text1Edit());
  for (const char c : std::string("vell 1")) PostMessageA(Text1Edit(), WM_CHAR, c, 0);
  Pump();
  ASSERT_EQ(Text1List().size(), 11u);
  const HWND text1List = Control(CmdLineWindow::kText1List);
  RECT list;
  GetClientRect(text1List, &list);
  const auto rows = list.bottom / SendMessageA(text1List, LB_GETITEMHEIGHT, 0, 0);
  ASSERT_GT(rows, 0);
  ASSERT_LT(rows, 11);
  EXPECT_EQ(SendMessageA(text1List, LB_GETTOPINDEX, 0, 0), 11 - rows);
}

TEST_F(CmdLineWindowTest, resize_writesOuterSizeAndPosition) {
  Start();
  SetWindowPos(Strip(), nullptr, 40, 30, 400, 120, SWP_NOZORDER | SWP_NOACTIVATE);
  Pump();
  EXPECT_EQ(StoredSetting("Width"), "6000");
  EXPECT_EQ(StoredSetting("Height"), "1800");
  EXPECT_EQ(StoredSetting("Left"), "600");
  EXPECT_EQ(StoredSetting("Top"), "450");

  // Text1 reaches the right edge from 100 twips; Command2 keeps its width.
  RECT client, text1, command2;
  GetClientRect(Strip(), &client);
  GetWindowRect(Control(CmdLineWindow::kText1), &text1);
  GetWindowRect(Control(CmdLineWindow::kCommand2), &command2);
  MapWindowPoints(nullptr, Strip(), reinterpret_cast<POINT*>(&text1), 2);
  MapWindowPoints(nullptr, Strip(), reinterpret_cast<POINT*>(&command2), 2);
  EXPECT_EQ(text1.right, client.right);
  EXPECT_NEAR(kTwips * text1.left, 100, 15);
  EXPECT_EQ(text1.bottom, client.bottom);
  EXPECT_NEAR(kTwips * command2.right, 135, 15);
  EXPECT_EQ(command2.bottom, client.bottom);
}

TEST_F(CmdLineWindowTest, onTop_menuTogglesTopmostCheckAndSetting) {
  Start();
  EXPECT_FALSE(GetWindowLongPtrA(Strip(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  const UINT onTopId = MenuWindow::kFirstId + 4;  // the fifth row of the menu table
  for (const bool topmost : {true, false}) {
    Choose(menu_keys::kOnTop);
    EXPECT_EQ((GetWindowLongPtrA(Strip(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, topmost);
    EXPECT_EQ((GetMenuState(program->Menu().Menu(), onTopId, MF_BYCOMMAND) & MF_CHECKED) != 0,
              topmost);
    EXPECT_EQ(StoredSetting("Ontop"), topmost ? "True" : "False");
  }
}

// Every window the program opens is owned by the strip, so that it stays above a topmost
// strip: also a message that comes while another window is active.
TEST_F(CmdLineWindowTest, dialogs_ownedByTheStrip) {
  SetSetting("Ontop", "True");
  Start();
  struct Case {
    const char* name;
    const char* windowClass;
    std::function<void()> open;
  };
  const Case cases[] = {
      {"message", "#32770",
       [&] {
         WindowHandle other(CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50,
                                            50, nullptr, nullptr, nullptr, nullptr));
         SetActiveWindow(other.get());
         SetWindowTextA(Text1Edit(), (dir / "missing.exe").c_str());
         program->Form().Command1_Click();
       }},
      {"browse", "#32770", [&] { Choose(menu_keys::kBrowse); }},
      {"colour", "#32770", [&] { Choose(menu_keys::kColors, 0); }},
      {"aliases", "VellCmdLineDialog", [&] { Choose(menu_keys::kDefineAliases); }},
      {"about", "VellCmdLineDialog", [&] { Choose(menu_keys::kAbout); }},
  };
  for (const Case& c : cases) {
    HWND owner = nullptr;
    {
      Helper close([&] {
        HWND dialog = nullptr;
        if (!WaitUntil(
                [&] { return (dialog = FindWindowOf(GetCurrentProcessId(), c.windowClass)); }))
          return;
        owner = GetWindow(dialog, GW_OWNER);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
      });
      c.open();
    }
    EXPECT_EQ(owner, Strip()) << c.name;
  }
}

// A real right click on the strip's edge, around the controls, pops the menu up.
TEST_F(CmdLineWindowTest, rightClickOnTheEdge_popsTheMenu) {
  Start();
  RECT window;
  GetWindowRect(Strip(), &window);
  POINT client{0, 0};
  ClientToScreen(Strip(), &client);
  ASSERT_LT(window.left, client.x);
  const POINT edge{window.left, (window.top + window.bottom) / 2};
  ASSERT_EQ(WindowFromPoint(edge), Strip());
  {
    Helper chooser([] { ChooseFromPopup(menu_keys::kOnTop); });
    SetCursorPos(edge.x, edge.y);
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SendInput(2, click, sizeof(INPUT));
    WaitUntil([&] {
      Pump();
      return StoredSetting("Ontop") == "True";
    });
  }
  EXPECT_EQ(StoredSetting("Ontop"), "True");
}

TEST_F(CmdLineWindowTest, colors_chosenColourAndDefaultsAreStored) {
  Start();
  // The colour dialog starts from dlg1's colour; OK keeps it.
  program->Form().Menu().dlg1.Color = 0xFF0000;
  {
    Helper answer([] { AnswerDialog(std::nullopt, IDOK); });
    Choose(menu_keys::kColors, 1);  // Change Background Color
  }
  EXPECT_EQ(StoredSetting("Back"), "16711680");
  EXPECT_EQ(EditColorsOf(Strip(), Text1Edit()).second, RGB(0, 0, 255));

  Choose(menu_keys::kColors, 2);  // Use Windows' Default Colors
  EXPECT_EQ(StoredSetting("Fore"), "?");
  EXPECT_EQ(StoredSetting("Back"), "?");
  EXPECT_EQ(EditColorsOf(Strip(), Text1Edit()),
            std::pair(GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)));
}

TEST_F(CmdLineWindowTest, startup_restoresTheSavedWindow) {
  SetSetting("Ontop", "True");
  SetSetting("Top", "1500");
  SetSetting("Left", "3000");
  SetSetting("Height", "1500");
  SetSetting("Width", "6000");
  SetSetting("Fore", "255");
  Start();
  EXPECT_TRUE(GetWindowLongPtrA(Strip(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  RECT r;
  GetWindowRect(Strip(), &r);
  EXPECT_EQ(r.top, 100);
  EXPECT_EQ(r.left, 200);
  EXPECT_EQ(r.bottom - r.top, 100);
  EXPECT_EQ(r.right - r.left, 400);
  EXPECT_EQ(EditColorsOf(Strip(), Text1Edit()).first, RGB(255, 0, 0));
}

// The file-open dialog's own controls: the filter list and the file name.
constexpr int kFilterList = 0x470;
constexpr int kFileName = 0x47C;

TEST_F(CmdLineWindowTest, browse_chosenPathGoesInTheBoxAndACancelKeepsIt) {
  Start();
  const std::string path = dir / "my tool.exe";
  WriteBytes(path, "");
  // Chooses the file, then cancels a second opening; reads what each opening offers.
  LRESULT filters = 0;
  std::string offered;
  for (const int button : {IDOK, IDCANCEL}) {
    Helper answer([&, button] {
      HWND dialog = nullptr;
      if (!WaitUntil([&] { return (dialog = FindWindowOf(GetCurrentProcessId(), "#32770")); }))
        return;
      filters = SendDlgItemMessageA(dialog, kFilterList, CB_GETCOUNT, 0, 0);
      offered = WindowText(GetDlgItem(dialog, kFileName));
      if (button == IDOK) SetDlgItemTextA(dialog, kFileName, path.c_str());
      PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    });
    Choose(menu_keys::kBrowse);
  }
  EXPECT_EQ(filters, 4);
  EXPECT_NE(offered.find("my tool.exe"), std::string::npos) << offered;
  // Put in the box as chosen, without quotes, and not run.
  EXPECT_EQ(WindowText(Text1Edit()), path);
  EXPECT_TRUE(Text1List().empty());
}

TEST_F(CmdLineWindowTest, exit_writesTheHistoryAndEnds) {
  Start();
  const std::string line = MarkerLine(dir / "ran.txt");
  Enter(line);
  Enter(" exit ");
  EXPECT_EQ(instance->ends, 1);
  EXPECT_EQ(ReadBytes(dir / "history.cfg"), line + "\r\n");
}

// Each close request takes the close path once; the session's end that follows a close does
// nothing more.
TEST_F(CmdLineWindowTest, closeRequests_takeTheClosePathOnce) {
  const std::pair<UINT, WPARAM> requests[] = {
      {WM_CLOSE, 0}, {WM_QUERYENDSESSION, 0}, {WM_ENDSESSION, TRUE}};
  for (const auto& [message, wParam] : requests) {
    DeleteFileA((dir / "history.cfg").c_str());
    Start();
    const std::string line = MarkerLine(dir / "ran.txt");
    Enter(line);
    SendMessageA(Strip(), message, wParam, 0);
    SendMessageA(Strip(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
    SendMessageA(Strip(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(instance->ends, 1) << message;
    EXPECT_EQ(files.replaced, std::vector<std::string>{"history.cfg"}) << message;
    EXPECT_EQ(ReadBytes(dir / "history.cfg"), line + "\r\n") << message;
  }
}

// A cancelled end of the session leaves the strip running with the history saved; the end
// that comes later saves what ran in between.
TEST_F(CmdLineWindowTest, cancelledSessionEnd_savesAndRunsOn) {
  Start();
  const std::string first = MarkerLine(dir / "first.txt");
  const std::string second = MarkerLine(dir / "second.txt");
  Enter(first);
  SendMessageA(Strip(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
  SendMessageA(Strip(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
  EXPECT_EQ(instance->ends, 0);
  EXPECT_EQ(ReadBytes(dir / "history.cfg"), first + "\r\n");
  Enter(second);
  SendMessageA(Strip(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
  SendMessageA(Strip(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
  EXPECT_EQ(instance->ends, 1);
  EXPECT_EQ(ReadBytes(dir / "history.cfg"), first + "\r\n" + second + "\r\n");
}

// The hotkey's setting at start-up: registered, or one message and none.
TEST_F(CmdLineWindowTest, hotkey_registeredOrSaidOnce) {
  struct Case {
    const char* setting;
    bool heldElsewhere;   // another registration of this key comes first
    const char* message;  // a part of the one message; none when empty
  };
  const Case cases[] = {
      {"Ctrl+Alt+H", false, ""},
      {"Ctrl+Alt+J", true, "The hotkey Ctrl+Alt+J could not be registered"},
      {"Ctrl+Nothing", false, "The hotkey \"Ctrl+Nothing\" is not one"},
  };
  for (const Case& c : cases) {
    ClearSettings();
    SetSetting("Hotkey", c.setting);
    if (c.heldElsewhere) {
      ASSERT_TRUE(RegisterHotKey(nullptr, 9, MOD_CONTROL | MOD_ALT, 'J'));
    }
    std::optional<std::string> shown;
    {
      Helper answer([&] {
        if (*c.message) shown = AnswerDialog("Vell Command Line", IDOK);
      });
      Start();
    }
    if (c.heldElsewhere) UnregisterHotKey(nullptr, 9);
    if (*c.message) {
      ASSERT_TRUE(shown) << c.setting;
      EXPECT_NE(shown->find(c.message), std::string::npos) << *shown;
    } else {
      // The strip holds the key now: nobody else gets it.
      EXPECT_FALSE(RegisterHotKey(nullptr, 9, MOD_CONTROL | MOD_ALT, 'H'));
    }
  }
}

// The hotkey, and a later start's request, bring the strip forward from another window with
// the keyboard in the command box and its text selected.
TEST_F(CmdLineWindowTest, activation_focusesTheBoxWithItsTextSelected) {
  SetSetting("Hotkey", "Ctrl+Alt+H");
  Start();
  HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                               nullptr, nullptr, nullptr);
  for (const char* by : {"hotkey", "second start"}) {
    SetWindowTextA(Text1Edit(), "old");
    SetFocus(Control(CmdLineWindow::kCommand1));
    SetForegroundWindow(other);
    Pump();
    ASSERT_EQ(GetForegroundWindow(), other);
    if (std::string(by) == "hotkey") {
      // Pressed as the keyboard would: Wine hands it to the registration as Windows does.
      INPUT keys[6]{};
      const WORD order[] = {VK_CONTROL, VK_MENU, 'H', 'H', VK_MENU, VK_CONTROL};
      for (int i = 0; i < 6; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = order[i];
        if (i >= 3) keys[i].ki.dwFlags = KEYEVENTF_KEYUP;
      }
      EXPECT_EQ(SendInput(6, keys, sizeof(INPUT)), 6u);
    } else {
      EXPECT_TRUE(instance->ActivateByTitle("Vell Command Line"));
    }
    WaitUntil([&] {
      Pump();
      return GetForegroundWindow() == Strip() && GetFocus() == Text1Edit() &&
             SendMessageA(Text1Edit(), EM_GETSEL, 0, 0) == MAKELRESULT(0, 3);
    });
    EXPECT_EQ(GetForegroundWindow(), Strip()) << by;
    EXPECT_EQ(GetFocus(), Text1Edit()) << by;
    EXPECT_EQ(SendMessageA(Text1Edit(), EM_GETSEL, 0, 0), MAKELRESULT(0, 3)) << by;
  }
  DestroyWindow(other);
}

TEST_F(CmdLineWindowTest, rightDragOnCommand2_writesTopAndLeftOnly) {
  Start();
  ClearSettings();
  // The system's move loop ends on Escape, pressed once the loop has begun.
  const HHOOK escape = SetWindowsHookExA(
      WH_CALLWNDPROC,
      [](int code, WPARAM sent, LPARAM call) -> LRESULT {
        const auto& message = *reinterpret_cast<const CWPSTRUCT*>(call);
        if (message.message == WM_ENTERSIZEMOVE)
          PostMessageA(message.hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
        return CallNextHookEx(nullptr, code, sent, call);
      },
      nullptr, GetCurrentThreadId());
  PostMessageA(Control(CmdLineWindow::kCommand2), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 3));
  Pump();
  UnhookWindowsHookEx(escape);
  EXPECT_TRUE(StoredSetting("Top"));
  EXPECT_TRUE(StoredSetting("Left"));
  EXPECT_FALSE(StoredSetting("Width"));
  EXPECT_FALSE(StoredSetting("Height"));
}

}  // namespace

namespace {

// Types the text into the command box's edit field at its caret.
void Type(HWND edit, const std::string& text) {
  for (const char c : text) PostMessageA(edit, WM_CHAR, static_cast<BYTE>(c), 0);
}

// Presses Tab in the edit field, with Shift held or not.
void PressTab(HWND edit, bool shift) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(keys);
  PostMessageA(edit, WM_KEYDOWN, VK_TAB, 0);
  PostMessageA(edit, WM_KEYUP, VK_TAB, 0xC0000001);
}

// How dark the end of each row's text is in the list as drawn: black text reaches near 0,
// text dimmed half way to the white background stays at 127 or lighter.
std::vector<int> DarkestAtTextEnd(HWND list) {
  UpdateWindow(list);
  HDC dc = GetDC(list);
  std::vector<int> darkest;
  const int rows = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int row = 0; row < rows; ++row) {
    RECT r{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    int dark = 255, inked = 0;
    for (int x = r.right - 1; x >= r.left && inked < 6; --x) {
      int column = 255;
      for (int y = r.top; y < r.bottom; ++y) {
        const COLORREF c = GetPixel(dc, x, y);
        column = std::min(column, (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3);
      }
      if (column < 200 || inked > 0) {
        ++inked;
        dark = std::min(dark, column);
      }
    }
    darkest.push_back(dark);
  }
  ReleaseDC(list, dc);
  return darkest;
}

}  // namespace

// Tab completes the path in a later word of a "%" line, and the completed line runs; Shift+Tab
// only moves the focus.
TEST_F(CmdLineWindowTest, tab_completesAPathInAPercentLine) {
  Start();
  WriteBytes(dir / "source.txt", "copied");
  SetFocus(Text1Edit());
  Type(Text1Edit(), "% copy " + dir.Path() + "\\SOU");
  PressTab(Text1Edit(), true);
  Pump();
  EXPECT_EQ(program->Window().Text(), "% copy " + dir.Path() + "\\SOU");
  EXPECT_EQ(GetFocus(), Control(CmdLineWindow::kCommand1));
  SetFocus(Text1Edit());
  PressTab(Text1Edit(), false);
  Pump();
  EXPECT_EQ(program->Window().Text(), "% copy " + dir.Path() + "\\source.txt ");
  EXPECT_EQ(GetFocus(), Text1Edit());
  Type(Text1Edit(), dir / "copy.txt");
  PressEnter();
  EXPECT_TRUE(WaitForBytes(dir / "copy.txt", "copied"));
}

// The first word completes to a program on PATH, which the list also offers while typing.
TEST_F(CmdLineWindowTest, tab_completesAProgramOnPath) {
  TempDir folder;
  WriteBytes(folder / "VellMarker.exe", "");
  char system[32767];
  const DWORD length = GetEnvironmentVariableA("PATH", system, sizeof system);
  const ScopedVariable path("PATH", (folder.Path() + ";" + std::string(system, length)).c_str());
  Start();
  SetFocus(Text1Edit());
  Type(Text1Edit(), "vellmar");
  Pump();
  EXPECT_EQ(Text1List(), std::vector<std::string>{"VellMarker.exe"});
  PressTab(Text1Edit(), false);
  Pump();
  EXPECT_EQ(program->Window().Text(), "VellMarker.exe ");
  EXPECT_EQ(GetFocus(), Text1Edit());
}

// Part of a Start Menu shortcut's name offers it after the matching entries, drawn unlike them;
// picked, it puts the shortcut's path in the box, and Enter opens the shortcut.
TEST_F(CmdLineWindowTest, application_pickedFromTheListRuns) {
  const TempDir menu(ProgramsFolder(CSIDL_PROGRAMS));
  const std::string shortcut = menu / "Vell Marker Test.lnk";
  {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkA* link = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                               reinterpret_cast<void**>(&link)),
              S_OK);
    link->SetPath((ExeDirectory() + "\\marker.exe").c_str());
    link->SetArguments(('"' + (dir / "ran.txt") + '"').c_str());
    IPersistFile* file = nullptr;
    link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    const std::wstring wide(shortcut.begin(), shortcut.end());
    EXPECT_EQ(file->Save(wide.c_str(), TRUE), S_OK);
    file->Release();
    link->Release();
  }
  WriteBytes(dir / "history.cfg", "old marker entry\r\n");
  Start();
  SetFocus(Text1Edit());
  Type(Text1Edit(), "marker t");
  Pump();
  const std::string line = '"' + shortcut + '"';
  EXPECT_EQ(Text1List(), (std::vector<std::string>{line}));
  Type(Text1Edit(), "\b\b");
  Pump();
  ASSERT_EQ(Text1List(), (std::vector<std::string>{"old marker entry", line}));
  const std::vector<int> darkest = DarkestAtTextEnd(Control(CmdLineWindow::kText1List));
  ASSERT_EQ(darkest.size(), 2u);
  EXPECT_LT(darkest[0], 100);
  EXPECT_GE(darkest[1], 120);

  for (int i = 0; i < 2; ++i) PostMessageA(Text1Edit(), WM_KEYDOWN, VK_DOWN, 0);
  Pump();
  EXPECT_EQ(program->Window().Text(), line);
  PressEnter();
  EXPECT_TRUE(WaitForBytes(dir / "ran.txt", "ran"));
  EXPECT_EQ(Text1List(), (std::vector<std::string>{"old marker entry", line}));
}
