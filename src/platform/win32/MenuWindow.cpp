#include "platform/win32/MenuWindow.h"

#include "menu/menuholder.h"
#include "platform/win32/AboutWindow.h"
#include "platform/win32/AssociationsWindow.h"
#include "platform/win32/ModalWindow.h"

MenuWindow::MenuWindow(Platform platform) : menu_(CreatePopupMenu()) {
  Add(menu_.get(), menuholder::Tree(), platform);
}

void MenuWindow::Add(HMENU menu, const std::vector<MenuEntry>& entries, Platform platform) {
  for (const MenuEntry& entry : entries) {
    const MenuItem& item = menuholder::kMenu[entry.Row];
    if (item.Separator()) {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    } else if (item.SubMenu()) {
      HMENU sub = CreatePopupMenu();
      Add(sub, entry.Entries, platform);
      AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub),
                  menuholder::Caption(entry.Row, platform));
    } else {
      AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(kFirstId + entry.Row),
                  menuholder::Caption(entry.Row, platform));
    }
  }
}

std::optional<int> MenuWindow::Popup(HWND window) {
  POINT at{};
  GetCursorPos(&at);
  // Without the foreground the menu would not close on a click elsewhere (TrackPopupMenu's
  // documented quirk), and WM_NULL lets the menu's loop notice that it has ended.
  SetForegroundWindow(window);
  const int id = static_cast<int>(
      TrackPopupMenu(menu_.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD,
                     at.x, at.y, 0, window, nullptr));
  PostMessageA(window, WM_NULL, 0, 0);
  if (id == 0) return std::nullopt;  // nothing chosen
  return id - kFirstId;
}

void MenuWindow::SetOnTopChecked(bool checked) {
  for (int row = 0; row < menuholder::kMenuCount; ++row)
    if (menuholder::kMenu[row].Checkable)
      CheckMenuItem(menu_.get(), static_cast<UINT>(kFirstId + row),
                    MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void MenuWindow::ShowAssociations(Associations& form, const AssociationsUpdate& shown) {
  AssociationsWindow(form, shown).RunModal(ModalOwner(strip_));
}

void MenuWindow::ShowAbout(const frmabout& about) {
  AboutWindow(about).RunModal(ModalOwner(strip_));
}
