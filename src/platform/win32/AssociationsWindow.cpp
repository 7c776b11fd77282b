#include "platform/win32/AssociationsWindow.h"

#include "platform/win32/Banner.h"
#include "platform/win32/NativeControl.h"

namespace {

constexpr int kFirstId = 100;  // the control at row r of the designed table has id 100 + r

constexpr NativeControl kNative[] = {
    {"Picture1", "STATIC", SS_OWNERDRAW, WS_EX_CLIENTEDGE},
    {"Label1(1)", "STATIC", SS_LEFT | SS_NOPREFIX, 0},
    {"Label1(0)", "STATIC", SS_LEFT | SS_NOPREFIX, 0},
    {"Text1(0)", "EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
    {"Text1(1)", "EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
    {"Command2", "BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0},
    {"Command1", "BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0},
    {"Frame1(0)", "STATIC", SS_ETCHEDFRAME, 0},
    {"List1", "LISTBOX",
     WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS |
         LBS_WANTKEYBOARDINPUT,
     WS_EX_CLIENTEDGE},
    {"Frame1(1)", "STATIC", SS_ETCHEDFRAME, 0},
    {"Label2", "STATIC", SS_LEFT | SS_NOPREFIX, 0},
};
static_assert(std::size(kNative) == std::size(Associations::kControls));

int IdOf(std::string_view name) {
  for (int row = 0; const auto& control : Associations::kControls) {
    if (name == control.Name) return kFirstId + row;
    ++row;
  }
  return 0;
}

}  // namespace

void AssociationsWindow::OnCreate() {
  // Created in tab order: that is the order in which Tab visits them.
  for (int tab = 0; tab < static_cast<int>(std::size(Associations::kControls)); ++tab)
    for (int row = 0; const auto& control : Associations::kControls) {
      if (control.TabIndex == tab) {
        const NativeControl& native = NativeOf(kNative, control.Name);
        AddControl(native.Class, control.Text, native.Style, control.Position, kFirstId + row,
                   native.ExStyle);
      }
      ++row;
    }
  Show(shown_);
}

HWND AssociationsWindow::Control(std::string_view name) const {
  return GetDlgItem(hwnd(), IdOf(name));
}

void AssociationsWindow::Show(const AssociationsUpdate& update) {
  HWND list = Control("List1");
  if (update.List1) {
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& entry : *update.List1)
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  }
  if (update.Added)
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(update.Added->c_str()));
  for (int i = 0; i < 2; ++i)
    if (update.Text1[i])
      SetWindowTextA(Control(i == 0 ? "Text1(0)" : "Text1(1)"), update.Text1[i]->c_str());
  if (update.Label2) SetWindowTextA(Control("Label2"), update.Label2->c_str());
}

int AssociationsWindow::ListIndex() const {
  return static_cast<int>(SendMessageA(Control("List1"), LB_GETCURSEL, 0, 0));
}

bool AssociationsWindow::OnListKey(int KeyCode, int Shift) {
  const auto update = form_.List1_KeyDown(KeyCode, Shift, ListIndex());
  if (update) Show(*update);
  return update.has_value();
}

void AssociationsWindow::OnCommand(int id, int code) {
  if (id == IdOf("List1") && code == LBN_SELCHANGE) Show(form_.List1_Click(ListIndex()));
  if (id == IdOf("List1") && code == LBN_DBLCLK) Show(form_.List1_DblClick(ListIndex()));
  if (id == IdOf("Command1") && code == BN_CLICKED)
    Show(form_.Command1_Click(WindowText(Control("Text1(0)")), WindowText(Control("Text1(1)"))));
  if (id == IdOf("Command2") && code == BN_CLICKED) Show(form_.Command2_Click());
}

void AssociationsWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (static_cast<int>(item.CtlID) != IdOf("Picture1")) return;
  DrawBanner(item.hDC, item.rcItem, WindowText(item.hwndItem).c_str(), Font());
}
