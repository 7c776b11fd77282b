#include "menu/menuholder.h"

#include "about/frmabout.h"
#include "aliaseditor/Associations.h"
#include "data/Conversions.h"

const MenuItem menuholder::kMenu[] = {
    {"mnuBrowse", "Browse...", 0, &menuholder::mnuBrowse_Click, false},
    {"sep", "-", 0, nullptr, false},
    {"mnualias", "Define aliases...", 0, &menuholder::mnualias_Click, false},
    {"s5", "-", 0, nullptr, false},
    {"mnuontop", "On Top", 0, &menuholder::mnuontop_Click, true},
    {"mnuHist", "Clear Command History", 0, &menuholder::mnuHist_Click, false},
    {"mnuColors", "Colors", 0, nullptr, false},
    {"ChgTxtColor", "Change Text Color...", 1, &menuholder::ChgTxtColor_Click, false},
    {"ChgBkgColro", "Change Background Color", 1, &menuholder::ChgBkgColro_Click, false},
    {"mnudefaultclr", "Use Windows' Default Colors", 1, &menuholder::mnudefaultclr_Click, false},
    {"sep2", "-", 0, nullptr, false},
    {"mnuAbout", "About this application...", 0, &menuholder::mnuAbout_Click, false},
    {"mnuExit", "Exit", 0, &menuholder::mnuExit_Click, false},
};
const int menuholder::kMenuCount = sizeof kMenu / sizeof kMenu[0];

std::vector<MenuEntry> menuholder::Tree() {
  std::vector<MenuEntry> tree;
  for (int row = 0; row < kMenuCount; ++row) {
    if (kMenu[row].Level == 0)
      tree.push_back({row, {}});
    else if (!tree.empty())
      tree.back().Entries.push_back({row, {}});
  }
  return tree;
}

menuholder::menuholder(MenuOwner& form, MenuView& view, CommonDialog& dialog, SettingsStore& store,
                       Files& files, MsgBox& msgbox, Platform platform)
    : dlg1(dialog),
      form_(form),
      view_(view),
      settings_(store),
      files_(files),
      msgbox_(msgbox),
      platform_(platform) {}

const char* menuholder::Caption(int row, Platform platform) {
  if (platform == Platform::Linux && kMenu[row].Click == &menuholder::mnudefaultclr_Click)
    return "Use the Desktop's Default Colors";
  return kMenu[row].Caption;
}

void menuholder::Run(int row) {
  if (row < 0 || row >= kMenuCount) return;
  if (const auto click = kMenu[row].Click) (this->*click)();
}

void menuholder::SetOnTopChecked(bool checked) {
  onTop_ = checked;
  view_.SetOnTopChecked(checked);
}

void menuholder::mnuBrowse_Click() {
  dlg1.ShowOpen();
  // Put in the box as chosen, without quotes: the user reviews it and presses Enter.
  if (!dlg1.FileName.empty()) form_.SetBoxText(dlg1.FileName);
}

void menuholder::mnualias_Click() {
  Associations editor(form_.Aliases(), dlg1, files_, msgbox_);
  const AssociationsUpdate shown = editor.Form_Load();
  openEditor_ = &editor;
  view_.ShowAssociations(editor, shown);
  openEditor_ = nullptr;
  editor.Form_QueryUnload();
}

void menuholder::UnloadWindows() {
  if (openEditor_) openEditor_->Form_QueryUnload();
}

void menuholder::SaveWindows() {
  if (openEditor_) openEditor_->Save();
}

void menuholder::mnuontop_Click() {
  form_.SetTopmost(!onTop_);
  SetOnTopChecked(!onTop_);
  settings_.WriteSetting(kOntop, BooleanToText(onTop_));
}

void menuholder::mnuHist_Click() { form_.ClearHistory(); }

void menuholder::ChgTxtColor_Click() {
  if (!dlg1.ShowColor()) return;
  form_.SetForeColor(Color::OfRgb(dlg1.Color));
  settings_.WriteSetting(kFore, ColorToText(dlg1.Color));
}

void menuholder::ChgBkgColro_Click() {
  if (!dlg1.ShowColor()) return;
  form_.SetBackColor(Color::OfRgb(dlg1.Color));
  settings_.WriteSetting(kBack, ColorToText(dlg1.Color));
}

void menuholder::mnudefaultclr_Click() {
  form_.UseSystemColors();
  settings_.WriteSetting(kFore, kSystemColors);
  settings_.WriteSetting(kBack, kSystemColors);
}

void menuholder::mnuAbout_Click() { view_.ShowAbout(frmabout(platform_)); }

void menuholder::mnuExit_Click() { form_.Close(); }
