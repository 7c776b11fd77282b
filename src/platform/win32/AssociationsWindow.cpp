#include "platform/win32/AssociationsWindow.h"

#include "aliaseditor/Associations.h"
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
     WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS,
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

AssociationsWindow::AssociationsWindow(HWND owner)
    : ModalWindow(owner, Associations::kCaption, Associations::kClientWidth,
                  Associations::kClientHeight) {
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
}

HWND AssociationsWindow::Control(std::string_view name) const {
  return GetDlgItem(hwnd(), IdOf(name));
}

void AssociationsWindow::ListClear() { SendMessageA(Control("List1"), LB_RESETCONTENT, 0, 0); }

void AssociationsWindow::ListAdd(const std::string& text) {
  SendMessageA(Control("List1"), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void AssociationsWindow::ListRemove(int index) {
  SendMessageA(Control("List1"), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

int AssociationsWindow::ListIndex() {
  return static_cast<int>(SendMessageA(Control("List1"), LB_GETCURSEL, 0, 0));
}

void AssociationsWindow::SetListIndex(int index) {
  SendMessageA(Control("List1"), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string AssociationsWindow::Text(int index) {
  return WindowText(Control(index == 0 ? "Text1(0)" : "Text1(1)"));
}

void AssociationsWindow::SetText(int index, const std::string& text) {
  SetWindowTextA(Control(index == 0 ? "Text1(0)" : "Text1(1)"), text.c_str());
}

void AssociationsWindow::SetLabel2(const std::string& text) {
  SetWindowTextA(Control("Label2"), text.c_str());
}

void AssociationsWindow::ShowModal(Associations& form) {
  form_ = &form;
  RunModal();
  form_ = nullptr;
}

bool AssociationsWindow::OnKeyDown(HWND control, int KeyCode, int Shift) {
  return form_ && control == Control("List1") && form_->List1_KeyDown(KeyCode, Shift);
}

void AssociationsWindow::OnCommand(int id, int code) {
  if (!form_) return;
  if (id == IdOf("List1") && code == LBN_SELCHANGE) form_->List1_Click();
  if (id == IdOf("List1") && code == LBN_DBLCLK) form_->List1_DblClick();
  if (id == IdOf("Command1") && code == BN_CLICKED) form_->Command1_Click();
  if (id == IdOf("Command2") && code == BN_CLICKED) form_->Command2_Click();
}

void AssociationsWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (static_cast<int>(item.CtlID) != IdOf("Picture1")) return;
  DrawBanner(item.hDC, item.rcItem, WindowText(item.hwndItem).c_str(), Font());
}
