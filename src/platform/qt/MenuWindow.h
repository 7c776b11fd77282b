#pragma once

#include <QMenu>
#include <QPoint>
#include <vector>

#include "platform/MenuView.h"

class menuholder;
struct MenuEntry;

// menuholder's native side: the popup menu "main", built from the core's menu table, and the
// two windows its commands open.
class MenuWindow : public MenuView {
 public:
  // owner: the command window, which the menu and the dialogs belong to.
  explicit MenuWindow(QWidget* owner);
  // Builds the menu from the holder's table; clicks reach the holder from here on.
  void Attach(menuholder& holder);
  // Pops the menu up at the position and runs the chosen item's handler before returning.
  void Exec(const QPoint& position);

  void SetOnTopChecked(bool checked) override;
  std::unique_ptr<AssociationsView> CreateAssociations() override;
  void ShowAbout(const frmabout& about) override;

 private:
  void Add(QMenu& menu, const std::vector<MenuEntry>& entries);

  QWidget* owner_;
  QMenu menu_;
  QAction* onTop_ = nullptr;
  menuholder* holder_ = nullptr;
};
