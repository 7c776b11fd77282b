#include "aliaseditor/Associations.h"

#include "data/Application.h"
#include "data/TextLines.h"

Associations::Associations(AliasTable& table, SharedDialog& dlg1, Files& files, MsgBox& msgbox)
    : table_(table), dlg1_(dlg1), files_(files), msgbox_(msgbox) {}

AssociationsUpdate Associations::Form_Load() {
  AssociationsUpdate shown = FillList();
  shown.Label2 = std::string();
  shown.Text1[0] = shown.Text1[1] = std::string();
  return shown;
}

AssociationsUpdate Associations::FillList() {
  list_.clear();
  std::vector<std::string> names;
  for (int row = 1; row <= table_.Count(); ++row) {
    list_.push_back({table_.AliasNames[row], row});
    names.push_back(table_.AliasNames[row]);
  }
  AssociationsUpdate shown;
  shown.List1 = std::move(names);
  return shown;
}

AssociationsUpdate Associations::List1_Click(int ListIndex) {
  if (ListIndex < 0 || ListIndex >= static_cast<int>(list_.size())) return {};
  AssociationsUpdate shown;
  shown.Label2 = table_.AliasTargets[list_[ListIndex].ItemData];
  return shown;
}

AssociationsUpdate Associations::Command1_Click(std::string_view alias,
                                                std::string_view executable) {
  const std::string name(TrimSpaces(alias));
  const std::string target(TrimSpaces(executable));
  if (name.empty() || target.empty()) return Tell("You must properly define the alias first.");
  if (const auto problem = AliasRowProblem(name, target)) return Tell(*problem);
  if (list_.size() >= AliasTable::kMaxRows) return Tell(AliasTable::kFullMessage);

  RebuildTable();
  table_.AliasNames.push_back(name);
  table_.AliasTargets.push_back(target);
  list_.push_back({name, table_.Count()});
  saved_ = false;
  AssociationsUpdate shown;
  shown.Added = name;
  shown.Text1[0] = shown.Text1[1] = std::string();
  return shown;
}

AssociationsUpdate Associations::List1_DblClick(int ListIndex) {
  if (ListIndex < 0 || ListIndex >= static_cast<int>(list_.size())) return {};  // nothing to remove
  if (msgbox_.Show("Are you sure you wish to remove this alias?", kApplicationTitle,
                   MsgBoxButtons::OKCancel) != MsgBoxResult::OK)
    return {};
  list_.erase(list_.begin() + ListIndex);
  RebuildTable();
  AssociationsUpdate shown = FillList();
  shown.Label2 = std::string();
  removed_ = true;
  saved_ = false;
  return shown;
}

std::optional<AssociationsUpdate> Associations::List1_KeyDown(int KeyCode, int Shift,
                                                              int ListIndex) {
  if (KeyCode != vbKeyDelete || Shift != 0) return std::nullopt;
  return List1_DblClick(ListIndex);
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

AssociationsUpdate Associations::Command2_Click() {
  dlg1_.ShowOpen();
  const std::string& file = dlg1_.FileName;
  if (file.empty()) return {};
  AssociationsUpdate shown;
  shown.Text1[1] = file.find(' ') != std::string::npos ? '"' + file + '"' : file;
  return shown;
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

AssociationsUpdate Associations::Tell(const std::string& text) {
  msgbox_.Show(text, kApplicationTitle, MsgBoxButtons::OK);
  return {};
}
