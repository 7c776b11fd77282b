#pragma once

#include <vector>

#include "platform/MenuView.h"
#include "platform/win32/Handle.h"

class menuholder;
struct MenuEntry;

// menuholder's native side: the popup menu "main", built from the menu table, and the windows
// its commands open.
class MenuWindow : public MenuView {
 public:
  // The item at row r of the menu table has the command id r + 1.
  static constexpr int kFirstId = 1;

  MenuWindow();
  // Builds the menu from the holder's table; commands reach the holder from here on.
  void Bind(menuholder& holder);
  // The strip, which owns the windows the menu opens.
  void SetWindow(HWND strip) { strip_ = strip; }
  HMENU Menu() const { return menu_.get(); }

  // Pops the menu up at the pointer; the chosen command has run when this returns.
  void Popup(HWND window);

  void SetOnTopChecked(bool checked) override;
  std::unique_ptr<AssociationsView> CreateAssociations() override;
  void ShowAbout(const frmabout& about) override;

 private:
  void Add(HMENU menu, const std::vector<MenuEntry>& entries);

  HWND strip_ = nullptr;
  MenuHandle menu_;
  menuholder* holder_ = nullptr;
};
