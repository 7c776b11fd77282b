#pragma once

#include <QMenu>
#include <QPoint>
#include <optional>
#include <vector>

#include "platform/MenuView.h"
#include "platform/Platform.h"

struct MenuEntry;

// menuholder's native side: the popup menu "main", built from the core's menu table, and the
// two windows its commands open.
class MenuWindow : public MenuView {
 public:
  // owner: the command window, which the menu and the dialogs belong to; the captions are the
  // platform's.
  MenuWindow(QWidget* owner, Platform platform);
  // Pops the menu up at the position; returns the chosen item's row of the menu table.
  std::optional<int> Exec(const QPoint& position);

  void SetOnTopChecked(bool checked) override;
  void ShowAssociations(Associations& form, const AssociationsUpdate& shown) override;
  void ShowAbout(const frmabout& about) override;

 private:
  void Add(QMenu& menu, const std::vector<MenuEntry>& entries, Platform platform);

  QWidget* owner_;
  QMenu menu_;
  QAction* onTop_ = nullptr;
};
