#include <gtest/gtest.h>

#include "Fakes.h"

namespace {

const std::string kNotFound =
    "This command was not found\r\n\r\nIf you wish to run a DOS system command, preclude it "
    "with COMMAND /C or the symbol %";

// A program started with the given aliases file and history.
struct Started : FakeProgram {
  explicit Started(const std::string& aliases = "", const std::string& history = "") {
    files.Put("aliases.cfg", aliases);
    if (!history.empty()) files.Put("history.cfg", history);
    form.Form_Load();
  }
};

TEST(ExecuteCommand, startsTheLineRecordsItAndEmptiesTheBox) {
  Started p;
  p.Run("  notepad readme.txt  ");
  ASSERT_EQ(p.shell.requests.size(), 1u);
  EXPECT_EQ(p.shell.requests[0].File, "notepad readme.txt");
  EXPECT_EQ(p.shell.requests[0].Parameters, "");
  EXPECT_EQ(p.view.list, std::vector<std::string>{"notepad readme.txt"});
  EXPECT_EQ(p.view.text, "");
}

TEST(ExecuteCommand, recordsALineOnceButEachLetterCaseApart) {
  Started p("", "old\r\n");
  for (const char* line : {"calc", "calc", " calc ", "CALC", "old"}) p.Run(line);
  EXPECT_EQ(p.view.list, (std::vector<std::string>{"old", "calc", "CALC"}));
  EXPECT_EQ(p.shell.requests.size(), 5u);
}

struct NothingCase {
  const char* name;
  std::string aliases, line;
};

TEST(ExecuteCommand, anEmptyCommandDoesNothingAtAll) {
  const NothingCase cases[] = {
      {"emptyBox", "", ""}, {"spacesOnly", "", "    "}, {"aliasWithEmptyTarget", "go`\r\n", "go"}};
  for (const auto& c : cases) {
    Started p(c.aliases);
    p.Run(c.line);
    EXPECT_TRUE(p.shell.requests.empty()) << c.name;
    EXPECT_TRUE(p.form.Text1.List().empty()) << c.name;
    EXPECT_EQ(p.view.text, c.line) << c.name;
  }
}

TEST(ExecuteCommand, anAliasRunsItsTargetAndTheHistoryKeepsTheName) {
  Started p("np`notepad.exe\r\nsh`%echo hi\r\nq`\"C:\\My Tools\\q.exe\" -x\r\n");
  p.Run("np");
  p.Run("sh");
  p.Run("q");
  p.Run("np readme.txt");
  ASSERT_EQ(p.shell.requests.size(), 4u);
  EXPECT_EQ(p.shell.requests[0].File, "notepad.exe");
  EXPECT_EQ(p.shell.requests[1].File, "command");
  EXPECT_EQ(p.shell.requests[1].Parameters, " /C echo hi");
  EXPECT_EQ(p.shell.requests[1].InterpreterLine, "echo hi");
  EXPECT_EQ(p.shell.requests[2].File, "C:\\My Tools\\q.exe");
  EXPECT_EQ(p.shell.requests[2].Parameters, "-x");
  EXPECT_EQ(p.shell.requests[3].File, "notepad.exe");
  EXPECT_EQ(p.shell.requests[3].Parameters, "readme.txt");
  EXPECT_EQ(p.view.list, (std::vector<std::string>{"np", "sh", "q", "np readme.txt"}));
}

struct CallCase {
  const char* line;
  std::string file, parameters;
  std::optional<std::string> interpreterLine = std::nullopt;
};

// A line whose first word is an alias name gives the rest to the alias's target.
TEST(ExecuteCommand, anAliasTakesTheRestOfTheLineAsArguments) {
  const std::string aliases =
      "np`notepad.exe\r\n"
      "ed`C:\\My Tools\\ed.exe\r\n"
      "q`\"C:\\My Tools\\q.exe\" -x\r\n"
      "sh`%echo\r\n"
      "g`https://example.com/search?q=%s&lang=en\r\n"
      "m`mailto:%s\r\n"
      "w`notepad %s.txt\r\n"
      "pc`%s and %s\r\n"
      "two`\"C:\\t.exe\" %s %s\r\n"
      "gi`git.exe\r\n"
      "np x`whole.exe\r\n"
      "np`second.exe\r\n"
      "bat`C:\\tools\\b.BAT\r\n";
  const CallCase cases[] = {
      {"np", "notepad.exe", ""},
      {"np notes.txt", "notepad.exe", "notes.txt"},
      {"np   a  b", "notepad.exe", "a  b"},
      {"ed notes.txt", "C:\\My Tools\\ed.exe", "notes.txt"},
      {"q a.txt", "C:\\My Tools\\q.exe", "-x a.txt"},
      {"sh hi \"there\" & more", "command", " /C echo hi \"there\" & more",
       "echo hi \"there\" & more"},
      {"g a&b \"c\";d|e\xc3\xa9%s",
       "https://example.com/search?q=a%26b%20%22c%22%3Bd%7Ce%C3%A9%25s&lang=en", ""},
      {"m a@b.c", "mailto:a%40b.c", ""},
      {"w notes", "notepad notes.txt", ""},
      {"pc x", "command", " /C s and x", "s and x"},
      {"two a b", "C:\\t.exe", "a b a b"},
      {"gi x", "git.exe", "x"},
      {"np x", "whole.exe", ""},
      {"npx y", "npx y", ""},
      {"bat a.txt", "C:\\tools\\b.BAT", "a.txt"},
  };
  for (const auto& c : cases) {
    Started p(aliases);
    p.Run(c.line);
    ASSERT_EQ(p.shell.requests.size(), 1u) << c.line;
    EXPECT_EQ(p.shell.requests[0].File, c.file) << c.line;
    EXPECT_EQ(p.shell.requests[0].Parameters, c.parameters) << c.line;
    EXPECT_EQ(p.shell.requests[0].InterpreterLine, c.interpreterLine) << c.line;
    EXPECT_EQ(p.view.list, std::vector<std::string>{c.line}) << c.line;
  }
}

// Arguments change nothing for the built-in words, and a line that fails stays in the box.
TEST(ExecuteCommand, anAliasCallThatCannotRunIsReportedAndKept) {
  Started p("x`Exit\r\nb`browse\r\nnp`notepad.exe\r\nbat`b.cmd\r\n");
  p.Run("b some words");
  EXPECT_EQ(p.dialog.openCalls.size(), 1u);
  p.shell.result = {ShellOutcome::NotFound};
  p.Run("np missing.txt");
  EXPECT_EQ(p.msgbox.Texts(), std::vector{kNotFound});
  EXPECT_EQ(p.view.text, "np missing.txt");
  p.shell.result = {ShellOutcome::Started};
  p.Run("bat a & calc");
  EXPECT_EQ(p.shell.requests.size(), 1u);  // a batch file would hand & to the interpreter
  EXPECT_EQ(p.msgbox.shown.size(), 2u);
  EXPECT_EQ(p.view.text, "bat a & calc");
  EXPECT_TRUE(p.form.Text1.List().empty());
  p.Run("x now");
  EXPECT_EQ(p.instance.ended, 1);
}

TEST(ExecuteCommand, anEmptyNameAliasRunsOnAnEmptyBox) {
  Started p("`calc.exe\r\n");
  p.Run("");
  ASSERT_EQ(p.shell.requests.size(), 1u);
  EXPECT_EQ(p.shell.requests[0].File, "calc.exe");
  EXPECT_EQ(p.view.list, std::vector<std::string>{""});
  p.Run("  ");
  EXPECT_EQ(p.view.list, std::vector<std::string>{""});
}

struct ExitCase {
  const char* aliases;
  const char* line;
};

TEST(ExecuteCommand, exitInAnyCaseOrThroughAnAliasSavesAndEnds) {
  const ExitCase cases[] = {{"", "exit"}, {"", "  Exit  "}, {"", "EXIT"}, {"q`exit\r\n", "q"}};
  for (const auto& c : cases) {
    Started p(c.aliases);
    p.Run("calc");
    p.Run(c.line);
    EXPECT_EQ(p.instance.ended, 1) << c.line;
    EXPECT_EQ(p.files.Get("history.cfg"), "calc\r\n") << c.line;
    EXPECT_EQ(p.shell.requests.size(), 1u) << c.line;
  }
}

TEST(ExecuteCommand, exitFollowedByMoreIsAnOrdinaryCommand) {
  Started p;
  p.Run("exit now");
  EXPECT_EQ(p.instance.ended, 0);
  ASSERT_EQ(p.shell.requests.size(), 1u);
  EXPECT_EQ(p.shell.requests[0].File, "exit now");
}

TEST(ExecuteCommand, browseRunsTheMenusBrowseAndRecordsNothing) {
  for (const char* line : {"browse", " BROWSE ", "b"}) {
    Started p("b`Browse\r\n");
    p.dialog.files.push_back(std::string("C:\\Program Files\\x.exe"));
    p.Run(line);
    EXPECT_EQ(p.dialog.openCalls.size(), 1u) << line;
    EXPECT_EQ(p.view.text, "C:\\Program Files\\x.exe") << line;
    EXPECT_TRUE(p.shell.requests.empty()) << line;
    EXPECT_TRUE(p.view.list.empty()) << line;
  }
  Started cancelled;
  cancelled.Run("browse");
  EXPECT_EQ(cancelled.view.text, "browse");  // the box is not cleared for it
}

TEST(ExecuteCommand, notFoundShowsItsMessageAndKeepsTheText) {
  Started p;
  p.shell.result = {ShellOutcome::NotFound};
  p.Run("nosuchthing");
  EXPECT_EQ(p.msgbox.Texts(), std::vector{kNotFound});
  EXPECT_EQ(p.msgbox.shown[0].caption, "Vell Command Line");
  EXPECT_EQ(p.msgbox.shown[0].buttons, MsgBoxButtons::OK);
  EXPECT_EQ(p.view.text, "nosuchthing");
  EXPECT_TRUE(p.view.list.empty());
  p.form.Command1_Click();  // Enter again repeats the attempt
  EXPECT_EQ(p.shell.requests.size(), 2u);
}

TEST(ExecuteCommand, everyOtherShellFailureIsReportedAndRecordsNothing) {
  for (const ShellOutcome outcome :
       {ShellOutcome::OutOfResources, ShellOutcome::PathNotFound, ShellOutcome::AccessDenied,
        ShellOutcome::OutOfMemory, ShellOutcome::NotAProgram, ShellOutcome::InUse,
        ShellOutcome::AssociationIncomplete, ShellOutcome::NoAnswer,
        ShellOutcome::ApplicationFailed, ShellOutcome::ApplicationBusy, ShellOutcome::NoAssociation,
        ShellOutcome::LibraryNotFound, ShellOutcome::Failed, ShellOutcome::TooLong}) {
    const int code = static_cast<int>(outcome);
    Started p;
    p.shell.result = {outcome, -1};
    p.Run("doc.xyz");
    ASSERT_EQ(p.msgbox.shown.size(), 1u) << code;
    EXPECT_EQ(p.msgbox.shown[0].text.rfind("This command could not be run: ", 0), 0u) << code;
    EXPECT_EQ(p.view.text, "doc.xyz") << code;
    EXPECT_TRUE(p.view.list.empty()) << code;
  }
  Started p;
  p.Run("doc.xyz");
  EXPECT_TRUE(p.msgbox.shown.empty());
  EXPECT_EQ(p.view.list, std::vector<std::string>{"doc.xyz"});
}

TEST(ExecuteCommand, aFullHistoryDropsItsOldestEntry) {
  std::string history;
  for (std::size_t i = 0; i < History::kMaxEntries; ++i) history += std::to_string(i) + "\r\n";
  Started p("", history);
  p.Run("newest");
  EXPECT_EQ(p.view.list.size(), History::kMaxEntries);
  EXPECT_EQ(p.view.list.front(), "1");
  EXPECT_EQ(p.view.list.back(), "newest");
  // Narrowed, the list shows the entries that still match after the oldest, a match, made room.
  p.form.Text1.SetText("1");
  const std::size_t rows = p.view.list.size();
  p.form.Text1.AddItem("newest 1");
  EXPECT_EQ(p.view.list.size(), rows);
  EXPECT_EQ(p.view.list.front(), "10");
  EXPECT_EQ(p.view.list.back(), "newest 1");
  EXPECT_EQ(p.view.shownRow, rows - 1);
  p.Run("exit");
  EXPECT_EQ(p.files.Get("history.cfg")->substr(0, 4), "2\r\n3");
}

// A pick puts a row's entry into the box, as Up, Down or a click does; it is no edit.
void Pick(FakeProgram& p, int row) {
  p.view.index = row;
  p.view.text = p.view.list[static_cast<std::size_t>(row)];
}

TEST(Text1Change, theListShowsTheEntriesThatContainTheTypedText) {
  Started p("", "calc\r\nnotepad\r\nCALC x\r\nmore\r\n");
  const std::vector<std::string> all{"calc", "notepad", "CALC x", "more"};
  p.Type("cAl");
  EXPECT_EQ(p.view.list, (std::vector<std::string>{"calc", "CALC x"}));
  EXPECT_EQ(p.view.shownRow, 1u);  // the newest match is in view
  Pick(p, 0);
  EXPECT_EQ(p.view.list.size(), 2u);
  p.form.Command1_Click();
  EXPECT_EQ(p.shell.requests.back().File, "calc");
  EXPECT_EQ(p.view.list, all);  // the box is empty again
  p.Run("cal");                 // Enter runs the box's text, not a row that contains it
  EXPECT_EQ(p.shell.requests.back().File, "cal");
  EXPECT_EQ(p.view.list.back(), "cal");
  p.Type("zz");
  EXPECT_TRUE(p.view.list.empty());
  p.Type("");
  EXPECT_EQ(p.view.list.size(), 5u);
}

// A picked entry of more than 64 KB shows as its start, read-only; Enter runs it whole, and it
// stays whole in the list. A picked short entry, a set text and an edit make the box editable.
TEST(Text1Click, aLongEntryIsReadOnlyAndRunsWhole) {
  const std::string entry = "%echo " + std::string(65531, 'x');
  ASSERT_EQ(entry.size(), 65537u);
  Started p("", "short\r\n" + entry + "\r\n");
  const auto pick = [&p](int row, const std::string& shown) {
    p.view.index = row;
    p.view.text = shown;  // what the port put in
    p.form.Text1_Click();
  };
  pick(1, "%echo xx...");
  EXPECT_TRUE(p.view.readOnly);
  p.form.Command1_Click();
  ASSERT_EQ(p.shell.requests.size(), 1u);
  EXPECT_TRUE(p.shell.requests[0].InterpreterLine == entry.substr(1));
  EXPECT_FALSE(p.view.readOnly);
  EXPECT_EQ(p.view.text, "");
  pick(1, "%echo xx...");
  pick(0, "short");
  EXPECT_FALSE(p.view.readOnly);
  p.form.Command1_Click();
  EXPECT_EQ(p.shell.requests.back().File, "short");
  pick(1, "%echo xx...");
  p.Type("x");
  EXPECT_FALSE(p.view.readOnly);
  p.Type("");
  // A key that types, Backspace, a paste (Ctrl+V) or Delete replaces a long entry whole before
  // it reaches the box; a copy (Ctrl+C) does not.
  for (const int key : {97, 8, 22, 3}) {  // a, Backspace, Ctrl+V, Ctrl+C
    pick(1, "%echo xx...");
    p.form.Text1_KeyPress(key);
    EXPECT_EQ(p.view.text, key == 3 ? "%echo xx..." : "") << key;
    EXPECT_EQ(p.view.readOnly, key == 3) << key;
  }
  pick(0, "short");
  pick(1, "%echo xx...");
  EXPECT_FALSE(p.form.Text1_KeyDown(vbKeyDelete, 0));
  EXPECT_EQ(p.view.text, "");
  EXPECT_EQ(p.view.list.size(), 2u);
  p.Run("exit");
  EXPECT_TRUE(p.files.Get("history.cfg") == "short\r\n" + entry + "\r\n");
}

// Up and Down pick as the list of a simple combo box does on Windows (the Windows port's tests
// take the same steps on the real one): one row up or down from the picked row, stopping at the
// ends; with none picked, the caret: the row picked last, or the first after new rows.
TEST(Text1KeyDown, upAndDownPickFromTheCaretAsTheComboBoxDoes) {
  Started p("", "a\r\nb\r\nc\r\nd\r\ne\r\n");
  const std::pair<std::string_view, const char*> steps[] = {
      {"Down", "a"}, {"Down", "b"},  {"Down", "c"}, {"Up", "b"},   {"", ""},  // an edit ends the
                                                                              // pick, the rows stay
      {"Down", "b"}, {"Remove", ""}, {"Up", "c"},  // Shift+Delete keeps the caret's row
      {"x", "x"},    {"", ""},                     // new rows
      {"Down", "a"}, {"Down", "c"},  {"Down", "d"}, {"Down", "e"}, {"Down", "e"}, {"Up", "d"},
  };
  for (const auto& [step, text] : steps) {
    if (step == "Down" || step == "Up") {
      if (const auto row = p.form.Text1.RecallRow(step == "Up")) {
        Pick(p, static_cast<int>(*row));
        p.form.Text1_Click();
      }
    } else if (step == "Remove") {
      p.form.Text1_KeyDown(vbKeyDelete, vbShiftMask);
    } else {
      p.Type(std::string(step));
    }
    EXPECT_EQ(p.view.text, text) << step;
  }
}

struct RemoveCase {
  const char* name;
  std::string typed;  // before the pick
  int row;            // the row picked, or -1
  int shift;          // with Delete
  std::vector<std::string> shown;
  const char* saved;  // history.cfg after running "notepad" and exiting
};

// Shift+Delete removes the picked entry, puts it on the clipboard, puts back the typed text and
// shows what it narrows to; the duplicate rule still counts an older copy of the removed text.
TEST(Text1KeyDown, shiftDeleteRemovesThePickedEntry) {
  const char* history = "calc\r\nnotepad\r\ncalc -x\r\nnotepad\r\n";
  const RemoveCase cases[] = {
      {"whole",
       "",
       1,
       vbShiftMask,
       {"calc", "calc -x", "notepad"},
       "calc\r\ncalc -x\r\nnotepad\r\n"},
      {"oldest",
       "",
       0,
       vbShiftMask,
       {"notepad", "calc -x", "notepad"},
       "notepad\r\ncalc -x\r\nnotepad\r\n"},
      {"narrowed", "CALC", 1, vbShiftMask, {"calc"}, "calc\r\nnotepad\r\nnotepad\r\n"},
      {"newerCopy", "note", 1, vbShiftMask, {"notepad"}, "calc\r\nnotepad\r\ncalc -x\r\n"},
      {"lastCopy", "-x", 0, vbShiftMask, {}, "calc\r\nnotepad\r\nnotepad\r\n"},
      {"noPick", "calc", -1, vbShiftMask, {"calc", "calc -x"}, history},
      {"withoutShift", "", 1, 0, {"calc", "notepad", "calc -x", "notepad"}, history},
      {"withCtrl",
       "",
       1,
       vbShiftMask | vbCtrlMask,
       {"calc", "notepad", "calc -x", "notepad"},
       history},
  };
  for (const auto& c : cases) {
    Started p("", history);
    p.Type(c.typed);
    if (c.row >= 0) Pick(p, c.row);
    const std::string picked = p.view.text;
    const bool removed = c.row >= 0 && c.shift == vbShiftMask;
    EXPECT_EQ(p.form.Text1_KeyDown(vbKeyDelete, c.shift), removed) << c.name;
    EXPECT_EQ(p.view.list, c.shown) << c.name;
    EXPECT_EQ(p.view.text, removed ? c.typed : picked) << c.name;
    EXPECT_EQ(p.view.clipboard, removed ? std::optional(picked) : std::nullopt) << c.name;
    if (removed && !c.typed.empty() && !c.shown.empty()) {
      EXPECT_EQ(p.view.shownRow, c.shown.size() - 1) << c.name;
    }
    p.Run("notepad");
    p.Run("exit");
    EXPECT_EQ(p.files.Get("history.cfg"), c.saved) << c.name;
  }
}

TEST(FormResize, stretchesTheBoxToTheRightEdgeAndWritesTheGeometry) {
  FakeProgram p;
  p.view.scaleWidth = 3000;
  p.view.scaleHeight = 600;
  p.view.window = {1950, 300, 3120, 720};
  p.form.Form_Resize();
  EXPECT_EQ(p.view.text1.Left, 100);
  EXPECT_EQ(p.view.text1.Top, 0);
  EXPECT_EQ(p.view.text1.Width, 2900);
  EXPECT_EQ(p.view.text1.Height, 600);
  EXPECT_EQ(p.view.command2.Left, 0);
  EXPECT_EQ(p.view.command2.Width, 135);
  EXPECT_EQ(p.view.command2.Height, 600);
  EXPECT_EQ(p.store.writes,
            (std::vector<std::string>{"Height=720", "Width=3120", "Top=300", "Left=1950"}));
}

TEST(FormResize, aMinimisedWindowClampsWidthsAtZero) {
  FakeProgram p;
  p.view.scaleWidth = 40;
  p.view.scaleHeight = 0;
  p.form.Form_Resize();
  EXPECT_EQ(p.view.text1.Width, 0);
  EXPECT_EQ(p.view.text1.Height, 0);
}

TEST(Command2, aRightPressMovesTheWindowAndWritesTheNewPosition) {
  FakeProgram p;
  p.view.moveTo = Rect{500.5f, 250, 4020, 1290};
  p.form.Command2_MouseDown(vbRightButton);
  EXPECT_EQ(p.view.systemMoves, 1);
  EXPECT_EQ(p.store.writes, (std::vector<std::string>{"Top=250", "Left=500.5"}));
  EXPECT_EQ(p.view.popups, 0);
}

TEST(Command2, aMoveThatEndsLaterWritesWhenItEnds) {
  FakeProgram p;
  p.view.moveEndsOnReturn = false;
  p.form.Command2_MouseDown(vbRightButton);
  EXPECT_TRUE(p.store.writes.empty());
  p.view.window = {60, 30, 4020, 1290};
  p.form.MoveEnded();
  EXPECT_EQ(p.store.writes, (std::vector<std::string>{"Top=30", "Left=60"}));
}

TEST(Command2, onlyTheLeftClickAndARightClickOnTheBackgroundPopUpTheMenu) {
  FakeProgram p;
  p.form.Command2_MouseDown(vbLeftButton);
  p.form.Command2_MouseDown(vbMiddleButton);
  EXPECT_EQ(p.view.systemMoves, 0);
  p.form.Command2_Click();
  EXPECT_EQ(p.view.popups, 1);
  p.form.Form_MouseDown(vbLeftButton);
  p.form.Form_MouseDown(vbMiddleButton);
  EXPECT_EQ(p.view.popups, 1);
  p.form.Form_MouseDown(vbRightButton);
  EXPECT_EQ(p.view.popups, 2);
  EXPECT_TRUE(p.store.writes.empty());
}

struct ActivateCase {
  const char* name;
  bool modalOpen;
  bool closing;  // asked while the close's failure message is open
  std::vector<std::string> calls;
};

TEST(Activate, bringsTheStripForwardWithTheBoxSelectedUnlessCoveredOrEnding) {
  const ActivateCase cases[] = {
      {"shown", false, false, {"BringToFront", "SelectText1"}},
      {"a modal window over it", true, false, {"BringToFront"}},
      {"closing", false, true, {}},
  };
  for (const ActivateCase& c : cases) {
    Started p("", "old\r\n");
    p.view.text = "typed";
    p.view.modalOpen = c.modalOpen;
    if (c.closing) {
      p.files.failReplace = true;
      p.msgbox.onShow = [&p] { p.form.Activate(); };
      p.form.Form_QueryUnload();
    } else {
      p.form.Activate();
    }
    EXPECT_EQ(p.view.calls, c.calls) << c.name;
    // Nothing else changes: the text, the list, the settings.
    EXPECT_EQ(p.view.text, "typed") << c.name;
    EXPECT_EQ(p.view.list, std::vector<std::string>{"old"}) << c.name;
    EXPECT_TRUE(p.store.writes.empty()) << c.name;
  }
}

TEST(FormQueryUnload, writesTheWholeListAndEnds) {
  FakeProgram p;
  p.files.Put("history.cfg", "a\r\na\r\n \r\n");
  p.files.Put("permhist.cfg", "p\r\na\r\n");
  p.form.Form_Load();
  p.Run("new");
  p.form.Form_QueryUnload();
  EXPECT_EQ(p.files.Get("history.cfg"), "a\r\na\r\n\r\np\r\nnew\r\n");
  EXPECT_EQ(p.files.Get("permhist.cfg"), "p\r\na\r\n");
  EXPECT_EQ(p.instance.ended, 1);
}

TEST(FormQueryUnload, historyOneLeavesTheFileAlone) {
  FakeProgram p;
  p.store.Set("History", "1");
  p.files.Put("history.cfg", "kept\r\n");
  p.form.Form_Load();
  p.Run("typed");
  p.form.Form_QueryUnload();
  EXPECT_EQ(p.files.Get("history.cfg"), "kept\r\n");
  EXPECT_TRUE(p.files.replaced.empty());
  EXPECT_EQ(p.instance.ended, 1);
}

TEST(FormQueryUnload, aFailedSaveKeepsTheOldFileSaysSoAndStillEnds) {
  FakeProgram p;
  p.files.Put("history.cfg", "old\r\n");
  p.form.Form_Load();
  p.Run("new");
  p.files.failReplace = true;
  p.form.Form_QueryUnload();
  EXPECT_EQ(p.files.Get("history.cfg"), "old\r\n");
  EXPECT_EQ(p.msgbox.Texts(), std::vector<std::string>{"The command history could not be saved to "
                                                       "C:\\Vell\\history.cfg."});
  EXPECT_EQ(p.instance.ended, 1);
}

struct CloseCase {
  const char* name;
  const char* aliases;
  AnotherInstance another;
  bool cleared;
  const char* saved;
  bool removed = false;  // "two" removed from the list with Shift+Delete
  const char* fileNow = "one\r\ntwo\r\nother\r\n";
};

// While the program runs, another instance (or the user) rewrites history.cfg. The close keeps
// what the file holds unless the list is known to be the whole history, or the user removed it;
// of the list it adds only this run's commands, so what another strip removed stays removed.
TEST(FormQueryUnload, mergesWithTheFileUnlessTheListIsTheWholeHistory) {
  const CloseCase cases[] = {
      {"alone", "", AnotherInstance::No, false, "one\r\ntwo\r\nthree\r\n"},
      {"badAliasLine", "bad\r\n", AnotherInstance::No, false, "one\r\ntwo\r\nother\r\nthree\r\n"},
      {"badAliasLineThenClear", "bad\r\n", AnotherInstance::No, true, "four\r\n"},
      {"noLock", "", AnotherInstance::CannotTell, false, "one\r\ntwo\r\nother\r\nthree\r\n"},
      {"noLockThenClear", "", AnotherInstance::CannotTell, true, "four\r\n"},
      {"aloneRemoved", "", AnotherInstance::No, false, "one\r\nthree\r\n", true},
      {"badAliasLineRemoved", "bad\r\n", AnotherInstance::No, false, "one\r\nother\r\nthree\r\n",
       true},
      {"noLockRemoved", "", AnotherInstance::CannotTell, false, "one\r\nother\r\nthree\r\n", true},
      {"noLockOtherRemoved", "", AnotherInstance::CannotTell, false, "other\r\ntwo\r\nthree\r\n",
       false, "other\r\n"},
      {"noLockOtherCleared", "", AnotherInstance::CannotTell, false, "two\r\nthree\r\n", false, ""},
  };
  for (const auto& c : cases) {
    FakeProgram p;
    p.instance.another = c.another;
    p.files.Put("aliases.cfg", c.aliases);
    p.files.Put("history.cfg", "one\r\ntwo\r\n");
    p.form.Form_Load();
    p.files.Put("history.cfg", c.fileNow);
    p.Run("two");
    p.Run("three");
    if (c.removed) {
      Pick(p, static_cast<int>(std::find(p.view.list.begin(), p.view.list.end(), "two") -
                               p.view.list.begin()));
      ASSERT_TRUE(p.form.Text1_KeyDown(vbKeyDelete, vbShiftMask)) << c.name;
    }
    if (c.cleared) {
      p.form.Menu().mnuHist_Click();
      p.Run("four");
    }
    p.form.Form_QueryUnload();
    EXPECT_EQ(p.files.Get("history.cfg"), c.saved) << c.name;
  }
}

TEST(FormQueryUnload, anUnreadableHistoryIsNeverOverwritten) {
  FakeProgram p;
  p.files.Put("history.cfg", "precious\r\n");
  p.files.unreadable.insert(p.files.PathOf("history.cfg"));
  p.form.Form_Load();
  p.Run("new");
  p.form.Form_QueryUnload();
  EXPECT_EQ(p.files.Get("history.cfg"), "precious\r\n");
  EXPECT_TRUE(p.files.replaced.empty());
  EXPECT_EQ(p.msgbox.shown.size(), 1u);
  EXPECT_EQ(p.instance.ended, 1);
}

TEST(FormQueryUnload, aSecondCloseRequestDoesNothing) {
  Started p;
  p.form.Form_QueryUnload();
  p.form.Form_QueryUnload();
  EXPECT_EQ(p.files.replaced.size(), 1u);
  EXPECT_EQ(p.instance.ended, 1);
}

TEST(FormQueryUnload, aCloseRequestWhileTheFirstRunsDoesNothing) {
  Started p;
  p.Run("new");
  p.files.failReplace = true;
  p.msgbox.onShow = [&p] { p.form.Form_QueryUnload(); };  // a second signal, say
  p.form.Form_QueryUnload();
  EXPECT_EQ(p.files.replaced.size(), 1u);
  EXPECT_EQ(p.msgbox.shown.size(), 1u);
  EXPECT_EQ(p.instance.ended, 1);
}

TEST(FormQueryUnload, theOpenAliasEditorSavesFirstAndOnce) {
  Started p("np`notepad\r\n");
  p.Run("typed");
  p.menuView.editorUser = [&p](Associations&, FakeAssociationsView& view) {
    view.texts[0] = "ed";
    view.texts[1] = "editor.exe";
    view.Command1_Click();
    p.form.Form_QueryUnload();  // the session ends while the editor is open
  };
  p.form.Menu().mnualias_Click();
  EXPECT_EQ(p.files.Get("aliases.cfg"), "np`notepad\r\ned`editor.exe\r\n");
  EXPECT_EQ(p.files.Get("history.cfg"), "typed\r\n");
  EXPECT_EQ(p.files.replaced,
            (std::vector<std::string>{"C:\\Vell\\aliases.cfg", "C:\\Vell\\history.cfg"}));
  EXPECT_EQ(p.instance.ended, 1);
}

// The session's end may be cancelled after its save: the program runs on, and the end that
// comes later writes only what changed since, so a failure is said once.
TEST(FormQueryEndSession, savesRunsOnAndTheEndWritesWhatChangedSince) {
  Started p;
  p.Run("a");
  p.form.Form_QueryEndSession();
  EXPECT_EQ(p.files.Get("history.cfg"), "a\r\n");
  EXPECT_EQ(p.instance.ended, 0);
  p.Run("b");
  p.form.Form_QueryEndSession();
  p.files.failReplace = true;
  p.form.Form_QueryEndSession();
  p.form.Form_QueryUnload();
  EXPECT_EQ(p.files.Get("history.cfg"), "a\r\nb\r\n");
  EXPECT_EQ(p.files.replaced.size(), 2u);
  EXPECT_TRUE(p.msgbox.shown.empty());
  EXPECT_EQ(p.instance.ended, 1);

  Started q;
  q.Run("a");
  q.files.failReplace = true;
  q.form.Form_QueryEndSession();
  q.form.Form_QueryUnload();
  EXPECT_EQ(q.msgbox.shown.size(), 1u);
  EXPECT_EQ(q.instance.ended, 1);
}

// An open alias editor saves and stays open; its close saves again what was added since.
TEST(FormQueryEndSession, theOpenAliasEditorSavesAndStaysOpen) {
  Started p("np`notepad\r\n");
  std::optional<std::string> atSessionSave;
  p.menuView.editorUser = [&](Associations&, FakeAssociationsView& view) {
    view.texts[0] = "ed";
    view.texts[1] = "editor.exe";
    view.Command1_Click();
    p.form.Form_QueryEndSession();
    atSessionSave = p.files.Get("aliases.cfg");
    p.form.Form_QueryEndSession();
    view.texts[0] = "x";
    view.texts[1] = "x.exe";
    view.Command1_Click();
  };
  p.form.Menu().mnualias_Click();
  EXPECT_EQ(atSessionSave, "np`notepad\r\ned`editor.exe\r\n");
  EXPECT_EQ(p.files.Get("aliases.cfg"), "np`notepad\r\ned`editor.exe\r\nx`x.exe\r\n");
  EXPECT_EQ(p.files.replaced,
            (std::vector<std::string>{"C:\\Vell\\aliases.cfg", "C:\\Vell\\history.cfg",
                                      "C:\\Vell\\aliases.cfg"}));
  EXPECT_EQ(p.instance.ended, 0);
}

TEST(FormQueryUnload, noHistoryFileGetsTheCommandsOfThisRun) {
  Started p;
  for (const char* line : {"b", "a", "b"}) p.Run(line);
  p.form.Form_QueryUnload();
  EXPECT_EQ(p.files.Get("history.cfg"), "b\r\na\r\n");
}

}  // namespace

namespace {

// A program whose PATH and home folder hold a few names, with one application installed.
struct Offering : Started {
  explicit Offering(const std::string& history = "") : Started("np`notepad\r\n", history) {
    listings.programs = {"firefox", "fish", "gedit"};
    listings.applications = {{"Firefox Web Browser", "firefox"}, {"Files", "nautilus"}};
    listings.folders["/home/u"] = {{"fixtures", true}, {"notes.txt", false}};
  }
  void Tab() { tabHandled.push_back(form.Text1_KeyDown(vbKeyTab, 0)); }
  std::vector<bool> tabHandled;
};

TEST(Candidates, followTheMatchingEntriesAndRunOnlyWhenPicked) {
  Offering p("fish\r\nls\r\n");
  EXPECT_EQ(p.listings.asked, 0);  // nothing is listed before the first keystroke
  p.Type("fi");
  EXPECT_EQ(p.view.list, (std::vector<std::string>{"fish", "nautilus", "firefox"}));
  EXPECT_EQ(p.form.Text1.Shown().Entries(), 1u);
  EXPECT_EQ(p.form.Text1.Shown().CandidateAt(2).Name, "Firefox Web Browser");
  // Shift+Delete on a candidate removes nothing; the pick runs as typed and only it is kept.
  p.view.index = 2;
  EXPECT_TRUE(p.form.Text1_KeyDown(vbKeyDelete, vbShiftMask));
  EXPECT_EQ(p.form.Text1.List().size(), 2u);
  p.view.text = p.view.list[2];
  p.form.Command1_Click();
  ASSERT_EQ(p.shell.requests.size(), 1u);
  EXPECT_EQ(p.shell.requests[0].File, "firefox");
  EXPECT_EQ(p.view.list, (std::vector<std::string>{"fish", "ls", "firefox"}));
  p.form.Form_QueryUnload();
  EXPECT_EQ(p.files.Get("history.cfg"), "fish\r\nls\r\nfirefox\r\n");
  p.Type("");
  EXPECT_EQ(p.form.Text1.Shown().Entries(), p.view.list.size());  // no candidates for nothing
}

TEST(Candidates, tabCompletesAndASecondTabShowsWhatFits) {
  Offering p;
  p.Type("ged");
  p.Tab();
  EXPECT_EQ(p.view.text, "gedit ");
  EXPECT_EQ(p.view.cursor, 6u);
  p.Type("f");
  p.Tab();
  EXPECT_EQ(p.view.text, "fi");
  p.Tab();
  std::vector<std::string> names;
  for (std::size_t row = 0; row < p.form.Text1.Shown().size(); ++row)
    names.push_back(p.form.Text1.Shown().CandidateAt(row).Name);
  EXPECT_EQ(names, (std::vector<std::string>{"firefox", "fish", "fixtures"}));
  EXPECT_EQ(p.view.list, (std::vector<std::string>{"firefox ", "fish ", "fixtures/"}));
  p.Type("%cat no");
  p.view.cursor = 7;
  p.Tab();
  EXPECT_EQ(p.view.text, "%cat notes.txt ");
  p.Type("xyz");
  p.Tab();
  p.Type("");
  p.Tab();
  EXPECT_EQ(p.tabHandled, (std::vector<bool>{true, true, true, true, false, false}));
  EXPECT_FALSE(p.form.Text1_KeyDown(vbKeyTab, vbShiftMask));
  EXPECT_TRUE(p.shell.requests.empty());
}

}  // namespace
