#pragma once

#include <optional>
#include <vector>

#include "platform/MenuView.h"
#include "platform/Platform.h"
#include "platform/win32/Handle.h"

struct MenuEntry;

// menuholder's native side: the popup menu "main", built from the menu table, and the windows
// its commands open.
class MenuWindow : public MenuView {
 public:
  // The item at row r of the menu table has the command id r + 1.
  static constexpr int kFirstId = 1;

  // The captions are the platform's.
  explicit MenuWindow(Platform platform);
  // The strip, which owns the windows the menu opens.
  void SetWindow(HWND strip) { strip_ = strip; }
  HMENU Menu() const { return menu_.get(); }

  // Pops the menu up at the pointer; returns the chosen item's row of the menu table.
  std::optional<int> Popup(HWND window);

  void SetOnTopChecked(bool checked) override;
  void ShowAssociations(Associations& form, const AssociationsUpdate& shown) override;
  void ShowAbout(const frmabout& about) override;

 private:
  void Add(HMENU menu, const std::vector<MenuEntry>& entries, Platform platform);

  HWND strip_ = nullptr;
  MenuHandle menu_;
};
