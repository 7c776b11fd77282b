#pragma once

#include <string_view>
#include <vector>

#include "data/Settings.h"
#include "menu/MenuOwner.h"
#include "data/SharedDialog.h"
#include "platform/Files.h"
#include "platform/MenuView.h"
#include "platform/MsgBox.h"
#include "platform/Platform.h"

class Associations;
class menuholder;

// One row of the popup menu "main", in display order. Level 1 items hang in the sub-menu
// opened by the level 0 item before them; a caption "-" is a separator.
struct MenuItem {
  const char* Name;
  const char* Caption;
  int Level;
  void (menuholder::*Click)();  // none for separators and the sub-menu
  bool Checkable;

  bool Separator() const { return std::string_view(Caption) == "-"; }
  bool SubMenu() const { return !Click && !Separator(); }
};

// One entry of the menu as shown: its row in the table and, for a sub-menu, the entries in it.
struct MenuEntry {
  int Row;
  std::vector<MenuEntry> Entries;
};

// The hidden window that carries the popup menu and the shared common dialog.
class menuholder {
 public:
  static const MenuItem kMenu[];
  static const int kMenuCount;
  // The menu as a tree, which the ports render.
  static std::vector<MenuEntry> Tree();

  menuholder(MenuOwner& form, MenuView& view, CommonDialog& dialog, SettingsStore& store,
             Files& files, MsgBox& msgbox, Platform platform);
  // The caption of the table's row as the platform shows it.
  static const char* Caption(int row, Platform platform);

  SharedDialog dlg1;

  bool OnTopChecked() const { return onTop_; }
  void SetOnTopChecked(bool checked);
  // Runs the command of a row of kMenu; a separator, the sub-menu or no row does nothing.
  void Run(int row);

  void mnuBrowse_Click();
  void mnualias_Click();
  void mnuontop_Click();
  void mnuHist_Click();
  void ChgTxtColor_Click();
  void ChgBkgColro_Click();
  void mnudefaultclr_Click();
  void mnuAbout_Click();
  void mnuExit_Click();

  // The program is ending: a window that holds the user's edits runs its close path first.
  void UnloadWindows();
  // The session is ending and may yet be cancelled: such a window saves and stays open.
  void SaveWindows();

 private:
  MenuOwner& form_;
  MenuView& view_;
  Settings settings_;
  Files& files_;    // for the alias editor
  MsgBox& msgbox_;  // for the alias editor
  Platform platform_;
  bool onTop_ = false;                  // the check mark of mnuontop
  Associations* openEditor_ = nullptr;  // the alias editor while it is shown
};
