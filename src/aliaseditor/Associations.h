#pragma once

#include <string>
#include <vector>

#include "data/AliasTable.h"
#include "data/SharedDialog.h"
#include "platform/AssociationsView.h"
#include "platform/Control.h"
#include "platform/Files.h"
#include "platform/MsgBox.h"

// The alias editor. It works on the program's alias table directly: every add and remove
// changes the table at once, and closing writes aliases.cfg.
class Associations {
 public:
  static constexpr const char* kCaption = "Aliases";
  static constexpr float kClientWidth = 5760;
  static constexpr float kClientHeight = 4080;

  // The designed controls with their positions (twips) and tab indexes.
  using Control = ::Control;
  static constexpr Control kControls[] = {
      {"Picture1", "Alias Definition", {80, 120, 5595, 870}, 10},
      {"Label1(1)", "Alias:", {120, 1080, 1215, 255}, 5},
      {"Label1(0)", "Executable:", {1680, 1080, 2775, 255}, 4},
      {"Text1(0)", "", {120, 1320, 1455, 375}, 2},
      {"Text1(1)", "", {1680, 1320, 2655, 375}, 3},
      {"Command2", "...", {4440, 1350, 375, 320}, 7},
      {"Command1", "Add", {4920, 1320, 735, 375}, 6},
      {"Frame1(0)", "", {120, 1680, 5535, 135}, 1},
      {"List1", "", {120, 1920, 5535, 1425}, 0},
      {"Frame1(1)", "", {120, 3360, 5535, 135}, 8},
      {"Label2", "", {120, 3600, 5535, 375}, 9},
  };

  struct ListEntry {
    std::string Text;
    int ItemData;  // the table row the entry shows
  };

  Associations(AssociationsView& view, AliasTable& table, SharedDialog& dlg1, Files& files,
               MsgBox& msgbox);

  const std::vector<ListEntry>& List1() const { return list_; }

  void Form_Load();
  void List1_Click();
  void List1_DblClick();
  // A key pressed in List1: Delete removes the selected alias as a double-click does, with the
  // same question. True when the key was handled here.
  bool List1_KeyDown(int KeyCode, int Shift);
  void Command1_Click();
  void Command2_Click();
  // Saves the aliases; runs once per opening, whichever close comes first.
  void Form_QueryUnload();
  // Saves the aliases and stays open (the session's end may yet be cancelled); the close saves
  // again only when an alias was added or removed since.
  void Save();

 private:
  // Rebuilds the table from the list, in list order, through each entry's item data.
  void RebuildTable();
  void FillList();
  void Tell(const std::string& text);

  AssociationsView& view_;
  AliasTable& table_;
  SharedDialog& dlg1_;
  Files& files_;
  MsgBox& msgbox_;
  std::vector<ListEntry> list_;
  // A removal the user confirmed in this opening: an emptied list is then saved too.
  bool removed_ = false;
  bool unloaded_ = false;
  bool saved_ = false;  // nothing was added or removed since the last save
};
