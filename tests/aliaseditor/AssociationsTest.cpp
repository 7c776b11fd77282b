#include <gtest/gtest.h>

#include "Fakes.h"

namespace {

// A started program whose alias editor the test drives step by step.
struct Editor : FakeProgram {
  explicit Editor(std::optional<std::string> aliases) {
    if (aliases) files.Put("aliases.cfg", *aliases);
    form.Form_Load();
  }

  // Opens the editor, lets `user` act in it, and closes it.
  void Open(std::function<void(Associations&, FakeAssociationsView&)> user) {
    menuView.editorUser = std::move(user);
    form.Menu().mnualias_Click();
  }

  Rows TableRows() { return RowsOf(form.Aliases()); }
};

void Add(FakeAssociationsView& view, const std::string& name, const std::string& target) {
  view.texts[0] = name;
  view.texts[1] = target;
  view.Command1_Click();
}

void Remove(FakeAssociationsView& view, int index) {
  view.index = index;
  view.List1_Click();
  view.List1_DblClick();
}

// The list shows the table's names in order, and entry p carries row p + 1.
void ExpectListMatchesTable(const Associations& form, const FakeAssociationsView& view,
                            const AliasTable& table) {
  ASSERT_EQ(form.List1().size(), static_cast<std::size_t>(table.Count()));
  ASSERT_EQ(view.list.size(), form.List1().size());
  for (std::size_t p = 0; p < view.list.size(); ++p) {
    EXPECT_EQ(form.List1()[p].ItemData, static_cast<int>(p) + 1);
    EXPECT_EQ(view.list[p], table.AliasNames[p + 1]);
  }
}

TEST(Associations, opensWithTheTableListedNothingSelectedAndEmptyFields) {
  Editor e("np`notepad.exe\r\ned`edit.exe\r\n");
  e.Open([&](Associations& form, FakeAssociationsView& view) {
    EXPECT_EQ(view.list, (std::vector<std::string>{"np", "ed"}));
    EXPECT_EQ(view.index, -1);
    EXPECT_EQ(view.label2, "");
    ExpectListMatchesTable(form, view, e.form.Aliases());
    view.index = 1;
    view.List1_Click();
    EXPECT_EQ(view.label2, "edit.exe");
  });
}

TEST(Associations, addTrimsAppendsAndLeavesTheSelectionAlone) {
  Editor e("np`notepad.exe\r\n");
  e.Open([&](Associations& form, FakeAssociationsView& view) {
    view.index = 0;
    view.List1_Click();
    Add(view, "  ed  ", "  C:\\My Tools\\ed.exe  ");
    Add(view, "np", "\twrite.exe");  // a repeated name gets a second row
    EXPECT_EQ(view.texts[0], "");
    EXPECT_EQ(view.texts[1], "");
    EXPECT_EQ(view.label2, "notepad.exe");
    EXPECT_EQ(view.index, 0);
    ExpectListMatchesTable(form, view, e.form.Aliases());
  });
  EXPECT_EQ(e.TableRows(),
            (Rows{{"np", "notepad.exe"}, {"ed", "C:\\My Tools\\ed.exe"}, {"np", "\twrite.exe"}}));
  EXPECT_EQ(e.files.Get("aliases.cfg"),
            "np`notepad.exe\r\ned`C:\\My Tools\\ed.exe\r\nnp`\twrite.exe\r\n");
  EXPECT_EQ(e.form.Aliases().ResolveAlias("np"), "notepad.exe");
}

TEST(Associations, addRefusesWhatCannotBeAnAlias) {
  const std::pair<std::string, std::string> refused[] = {{"", "x"},    {"x", ""},    {"   ", "x"},
                                                         {"x", "   "}, {"a`b", "x"}, {"a", "x\ry"}};
  for (const auto& [name, target] : refused) {
    Editor e("np`notepad.exe\r\n");
    e.Open([&](Associations&, FakeAssociationsView& view) {
      Add(view, name, target);
      EXPECT_EQ(view.texts[0], name);
      EXPECT_EQ(view.list.size(), 1u);
    });
    EXPECT_EQ(e.msgbox.shown.size(), 1u) << name << "|" << target;
    EXPECT_EQ(e.TableRows(), (Rows{{"np", "notepad.exe"}}));
  }
  Editor e("");
  e.Open([](Associations&, FakeAssociationsView& view) { Add(view, " ", "x"); });
  EXPECT_EQ(e.msgbox.Texts(),
            std::vector<std::string>{"You must properly define the alias first."});
}

TEST(Associations, removeAsksThenRebuildsInOrderWithNothingSelected) {
  Editor e("a`1\r\nb`2\r\nc`3\r\n");
  e.msgbox.answers = {MsgBoxResult::Cancel, MsgBoxResult::OK};
  e.Open([&](Associations& form, FakeAssociationsView& view) {
    Remove(view, 1);  // cancelled
    EXPECT_EQ(view.list.size(), 3u);
    EXPECT_EQ(view.label2, "2");
    Remove(view, 1);
    EXPECT_EQ(view.list, (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(view.index, -1);
    EXPECT_EQ(view.label2, "");
    ExpectListMatchesTable(form, view, e.form.Aliases());
    view.index = 1;
    view.List1_Click();
    EXPECT_EQ(view.label2, "3");
  });
  ASSERT_EQ(e.msgbox.shown.size(), 2u);
  EXPECT_EQ(e.msgbox.shown[0].text, "Are you sure you wish to remove this alias?");
  EXPECT_EQ(e.msgbox.shown[0].buttons, MsgBoxButtons::OKCancel);
  EXPECT_EQ(e.files.Get("aliases.cfg"), "a`1\r\nc`3\r\n");
}

TEST(Associations, aDoubleClickWithNothingSelectedAsksNothing) {
  Editor e("a`1\r\n");
  e.Open([](Associations&, FakeAssociationsView& view) { view.List1_DblClick(); });
  EXPECT_TRUE(e.msgbox.shown.empty());
  EXPECT_EQ(e.TableRows(), (Rows{{"a", "1"}}));
}

// Delete in the list removes the selected alias as a double-click does, after the same
// question; other keys and Delete with a modifier stay the list's own. Escape closes a dialog.
TEST(Associations, deleteInTheListRemovesAsADoubleClickDoes) {
  const struct {
    int key, shift;
    bool handled;
  } cases[] = {{vbKeyDelete, 0, true},
               {vbKeyDelete, vbShiftMask, false},
               {vbKeyDelete, vbCtrlMask, false},
               {vbKeyEscape, 0, false},
               {'A', 0, false}};
  for (const auto& c : cases) {
    Editor e("a`1\r\nb`2\r\n");
    bool handled = false;
    e.Open([&](Associations&, FakeAssociationsView& view) {
      view.index = 0;
      handled = view.List1_KeyDown(c.key, c.shift);
    });
    EXPECT_EQ(handled, c.handled) << c.key << " " << c.shift;
    const std::vector<std::string> asked{"Are you sure you wish to remove this alias?"};
    EXPECT_EQ(e.msgbox.Texts(), c.handled ? asked : std::vector<std::string>{}) << c.key;
    EXPECT_EQ(e.TableRows(), (c.handled ? Rows{{"b", "2"}} : Rows{{"a", "1"}, {"b", "2"}}))
        << c.key;
  }
  EXPECT_TRUE(ClosesDialog(vbKeyEscape, 0));
  EXPECT_FALSE(ClosesDialog(vbKeyEscape, vbShiftMask));
  EXPECT_FALSE(ClosesDialog(vbKeyDelete, 0));
}

TEST(Associations, removingEveryAliasEmptiesTheFile) {
  Editor e("a`1\r\nb`2\r\n");
  e.Open([](Associations&, FakeAssociationsView& view) {
    Remove(view, 0);
    Remove(view, 0);
  });
  EXPECT_EQ(e.files.Get("aliases.cfg"), "");
  EXPECT_EQ(e.form.Aliases().Count(), 0);
}

TEST(Associations, anEmptyTableClosedWithoutRemovalLeavesTheFileUntouched) {
  Editor e("");
  e.Open([](Associations&, FakeAssociationsView&) {});
  EXPECT_TRUE(e.files.replaced.empty());
}

TEST(Associations, withoutAFileTheOneEmptyRowIsListedAndWritten) {
  Editor e(std::nullopt);
  e.Open([](Associations&, FakeAssociationsView& view) {
    EXPECT_EQ(view.list, std::vector<std::string>{""});
  });
  EXPECT_EQ(e.files.Get("aliases.cfg"), "`\r\n");
}

TEST(Associations, closingAfterABadLineKeepsTheLinesThatWereNotLoaded) {
  Editor e("a`1\r\n\r\nb`2\r\n");
  e.Open([](Associations&, FakeAssociationsView& view) { Add(view, "n", "t"); });
  EXPECT_EQ(e.files.Get("aliases.cfg"), "a`1\r\nn`t\r\n\r\nb`2\r\n");
}

TEST(Associations, browsePutsTheFileInTheExecutableBoxQuotedWhenItHasSpaces) {
  Editor e("");
  e.dialog.files = {std::string("C:\\Tools\\t.exe"), std::nullopt,
                    std::string("C:\\My Tools\\t.exe")};
  e.Open([](Associations&, FakeAssociationsView& view) {
    view.texts[0] = "kept";
    view.Command2_Click();
    EXPECT_EQ(view.texts[1], "C:\\Tools\\t.exe");
    view.texts[1] = "";
    view.Command2_Click();  // cancelled: the file chosen last comes back
    EXPECT_EQ(view.texts[1], "C:\\Tools\\t.exe");
    view.Command2_Click();
    EXPECT_EQ(view.texts[1], "\"C:\\My Tools\\t.exe\"");
    EXPECT_EQ(view.texts[0], "kept");
  });
  EXPECT_EQ(e.form.Menu().dlg1.FileName, "C:\\My Tools\\t.exe");  // shared with the menu
}

TEST(Associations, browseBeforeAnyFileWasChosenChangesNothing) {
  Editor e("");
  e.Open([](Associations&, FakeAssociationsView& view) {
    view.texts[1] = "typed";
    view.Command2_Click();
    EXPECT_EQ(view.texts[1], "typed");
  });
}

TEST(Associations, theTableRefusesTheRowBeyondItsLimit) {
  std::string file;
  for (int i = 0; i < AliasTable::kMaxRows; ++i) file += "n`t\r\n";
  Editor e(file);
  e.Open([](Associations&, FakeAssociationsView& view) {
    Add(view, "one", "more");
    EXPECT_EQ(view.texts[0], "one");
  });
  EXPECT_EQ(e.msgbox.shown.size(), 1u);
  EXPECT_EQ(e.form.Aliases().Count(), AliasTable::kMaxRows);
}

TEST(Associations, changesTakeEffectForTheDispatcherAtOnce) {
  Editor e("");
  e.Open([](Associations&, FakeAssociationsView& view) { Add(view, "np", "notepad"); });
  e.Run("np");
  ASSERT_EQ(e.shell.requests.size(), 1u);
  EXPECT_EQ(e.shell.requests[0].File, "notepad");
}

TEST(Associations, aFailedSaveSaysSoAndKeepsTheTableInMemory) {
  Editor e("a`1\r\n");
  e.files.failReplace = true;
  e.Open([](Associations&, FakeAssociationsView& view) { Add(view, "b", "2"); });
  EXPECT_EQ(e.files.Get("aliases.cfg"), "a`1\r\n");
  EXPECT_EQ(e.msgbox.Texts(),
            std::vector<std::string>{"The aliases could not be saved to C:\\Vell\\aliases.cfg."});
  EXPECT_EQ(e.form.Aliases().Count(), 2);
}

}  // namespace
