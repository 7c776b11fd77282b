#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/AliasTable.h"
#include "data/SharedDialog.h"
#include "platform/AssociationsUpdate.h"
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

  Associations(AliasTable& table, SharedDialog& dlg1, Files& files, MsgBox& msgbox);

  const std::vector<ListEntry>& List1() const { return list_; }

  // Each handler is given what it reads of the window (ListIndex: List1's selected position, or
  // -1) and returns what it changes there.
  AssociationsUpdate Form_Load();
  AssociationsUpdate List1_Click(int ListIndex);
  AssociationsUpdate List1_DblClick(int ListIndex);
  // A key pressed in List1: Delete removes the selected alias as a double-click does, with the
  // same question. Nothing when the key is not handled here.
  std::optional<AssociationsUpdate> List1_KeyDown(int KeyCode, int Shift, int ListIndex);
  // alias, executable: Text1(0) and Text1(1).
  AssociationsUpdate Command1_Click(std::string_view alias, std::string_view executable);
  AssociationsUpdate Command2_Click();
  // Saves the aliases; runs once per opening, whichever close comes first.
  void Form_QueryUnload();
  // Saves the aliases and stays open (the session's end may yet be cancelled); the close saves
  // again only when an alias was added or removed since.
  void Save();

 private:
  // Rebuilds the table from the list, in list order, through each entry's item data.
  void RebuildTable();
  // The list anew from the table, nothing selected.
  AssociationsUpdate FillList();
  // Says the text in a message box; changes nothing in the window.
  AssociationsUpdate Tell(const std::string& text);

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
