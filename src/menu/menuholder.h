#pragma once

#include "data/Settings.h"
#include "menu/SharedDialog.h"
#include "platform/MenuView.h"
#include "platform/Services.h"

class Associations;
class CmdLine;
class menuholder;

// One row of the popup menu "main", in display order. Level 1 items hang in the sub-menu
// opened by the level 0 item before them; a caption "-" is a separator.
struct MenuItem {
  const char* Name;
  const char* Caption;
  int Level;
  void (menuholder::*Click)();  // none for separators and the sub-menu
  bool Checkable;
};

// The hidden window that carries the popup menu and the shared common dialog.
class menuholder {
 public:
  static const MenuItem kMenu[];
  static const int kMenuCount;

  menuholder(CmdLine& form, MenuView& view, const Services& services);

  SharedDialog dlg1;

  bool OnTopChecked() const { return onTop_; }
  void SetOnTopChecked(bool checked);

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

 private:
  CmdLine& form_;
  MenuView& view_;
  Services services_;
  Settings settings_;
  bool onTop_ = false;                  // the check mark of mnuontop
  Associations* openEditor_ = nullptr;  // the alias editor while it is shown
};
