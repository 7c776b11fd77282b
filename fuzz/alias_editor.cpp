// The alias editor driven through any interleaving of add, remove (confirmed or not), browse,
// select and close. After every step the table is dense and the list agrees with it through
// item data; after a close, a fresh load of aliases.cfg gives back the same table.

#include <fuzzer/FuzzedDataProvider.h>

#include "Check.h"
#include "Fakes.h"

namespace {

void CheckAgrees(const Associations& form, const FakeAssociationsView& view,
                 const AliasTable& table) {
  CHECK(table.AliasNames.size() == table.AliasTargets.size());
  CHECK(form.List1().size() == static_cast<std::size_t>(table.Count()));
  CHECK(view.list.size() == form.List1().size());
  for (std::size_t p = 0; p < view.list.size(); ++p) {
    CHECK(form.List1()[p].ItemData == static_cast<int>(p) + 1);
    CHECK(form.List1()[p].Text == table.AliasNames[p + 1]);
    CHECK(view.list[p] == table.AliasNames[p + 1]);
  }
  CHECK(view.index >= -1 && view.index < static_cast<int>(view.list.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  FakeProgram p;
  if (input.ConsumeBool()) p.files.Put("aliases.cfg", input.ConsumeRandomLengthString(128));
  p.form.Form_Load();
  AliasTable& table = p.form.Aliases();

  for (int opening = 0; opening < 4 && input.remaining_bytes() > 0; ++opening) {
    const std::optional<std::string> fileBefore = p.files.Get("aliases.cfg");
    const Rows rowsBefore = RowsOf(table);
    bool changed = false;
    p.menuView.editorUser = [&](Associations& form, FakeAssociationsView& view) {
      CheckAgrees(form, view, table);
      while (input.remaining_bytes() > 0) {
        switch (input.ConsumeIntegralInRange(0, 4)) {
          case 0:  // close
            return;
          case 1:
            view.texts[0] = input.ConsumeRandomLengthString(16);
            view.texts[1] = input.ConsumeRandomLengthString(16);
            view.Command1_Click();
            break;
          case 2:
            view.index = input.ConsumeIntegralInRange(-1, static_cast<int>(view.list.size()) - 1);
            p.msgbox.answers.push_back(input.ConsumeBool() ? MsgBoxResult::OK
                                                           : MsgBoxResult::Cancel);
            view.List1_DblClick();
            p.msgbox.answers.clear();
            break;
          case 3:
            if (input.ConsumeBool()) p.dialog.files.push_back(input.ConsumeRandomLengthString(16));
            view.Command2_Click();
            p.dialog.files.clear();
            break;
          case 4:
            view.index = input.ConsumeIntegralInRange(-1, static_cast<int>(view.list.size()) - 1);
            view.List1_Click();
            break;
        }
        CheckAgrees(form, view, table);
      }
    };
    p.form.Menu().mnualias_Click();
    changed = RowsOf(table) != rowsBefore;

    if (p.files.Get("aliases.cfg") == fileBefore && !changed) continue;  // left untouched
    AliasTable fresh;
    LoadAliases(fresh, p.files);
    CHECK(RowsOf(fresh) == RowsOf(table));
  }
  return 0;
}
