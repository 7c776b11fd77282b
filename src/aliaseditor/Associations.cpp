#include "aliaseditor/Associations.h"

#include "data/Application.h"
#include "data/TextLines.h"

Associations::Associations(AssociationsView& view, AliasTable& table, SharedDialog& dlg1,
                           Files& files, MsgBox& msgbox)
    : view_(view), table_(table), dlg1_(dlg1), files_(files), msgbox_(msgbox) {}

void Associations::Form_Load() {
  FillList();
  view_.SetLabel2(std::string());
  view_.SetText(0, std::string());
  view_.SetText(1, std::string());
}

void Associations::FillList() {
  list_.clear();
  view_.ListClear();
  for (int row = 1; row <= table_.Count(); ++row) {
    list_.push_back({table_.AliasNames[row], row});
    view_.ListAdd(table_.AliasNames[row]);
  }
  view_.SetListIndex(-1);
}

void Associations::List1_Click() {
  const int index = view_.ListIndex();
  if (index < 0 || index >= static_cast<int>(list_.size())) return;
  view_.SetLabel2(table_.AliasTargets[list_[index].ItemData]);
}

void Associations::Command1_Click() {
  const std::string name(TrimSpaces(view_.Text(0)));
  const std::string target(TrimSpaces(view_.Text(1)));
  if (name.empty() || target.empty()) return Tell("You must properly define the alias first.");
  if (const auto problem = AliasRowProblem(name, target)) return Tell(*problem);
  if (list_.size() >= AliasTable::kMaxRows) return Tell(AliasTable::kFullMessage);

  RebuildTable();
  table_.AliasNames.push_back(name);
  table_.AliasTargets.push_back(target);
  list_.push_back({name, table_.Count()});
  view_.ListAdd(name);
  saved_ = false;
  view_.SetText(0, std::string());
  view_.SetText(1, std::string());
}

void Associations::List1_DblClick() {
  const int index = view_.ListIndex();
  if (index < 0 || index >= static_cast<int>(list_.size())) return;  // nothing to remove
  if (msgbox_.Show("Are you sure you wish to remove this alias?", kApplicationTitle,
                   MsgBoxButtons::OKCancel) != MsgBoxResult::OK)
    return;
  list_.erase(list_.begin() + index);
  view_.ListRemove(index);
  view_.SetLabel2(std::string());
  RebuildTable();
  FillList();
  removed_ = true;
  saved_ = false;
}

bool Associations::List1_KeyDown(int KeyCode, int Shift) {
  if (KeyCode != vbKeyDelete || Shift != 0) return false;
  List1_DblClick();
  return true;
}

void Associations::RebuildTable() {
  // Copied out first, so that no row is read after it has been overwritten.
  std::vector<std::string> names, targets;
  names.reserve(list_.size());
  targets.reserve(list_.size());
  for (const ListEntry& entry : list_) {
    names.push_back(std::move(table_.AliasNames[entry.ItemData]));
    targets.push_back(std::move(table_.AliasTargets[entry.ItemData]));
  }
  table_.Reset(0);
  for (std::size_t p = 0; p < list_.size(); ++p) {
    table_.AliasNames.push_back(std::move(names[p]));
    table_.AliasTargets.push_back(std::move(targets[p]));
    list_[p].ItemData = static_cast<int>(p) + 1;
  }
}

void Associations::Command2_Click() {
  dlg1_.ShowOpen();
  const std::string& file = dlg1_.FileName;
  if (file.empty()) return;
  view_.SetText(1, file.find(' ') != std::string::npos ? '"' + file + '"' : file);
}

void Associations::Form_QueryUnload() {
  if (unloaded_) return;
  unloaded_ = true;
  Save();
}

void Associations::Save() {
  if (saved_) return;
  saved_ = true;
  if ((!list_.empty() || removed_) && !SaveAliases(table_, files_))
    Tell("The aliases could not be saved to " + files_.PathOf(kAliasesFile) + ".");
}

void Associations::Tell(const std::string& text) {
  msgbox_.Show(text, kApplicationTitle, MsgBoxButtons::OK);
}
