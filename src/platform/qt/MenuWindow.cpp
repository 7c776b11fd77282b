#include "platform/qt/MenuWindow.h"

#include "menu/menuholder.h"
#include "platform/qt/AboutWindow.h"
#include "platform/qt/AssociationsWindow.h"

MenuWindow::MenuWindow(QWidget* owner, Platform platform) : owner_(owner), menu_(owner) {
  menu_.setObjectName("main");
  Add(menu_, menuholder::Tree(), platform);
}

void MenuWindow::Add(QMenu& menu, const std::vector<MenuEntry>& entries, Platform platform) {
  for (const MenuEntry& entry : entries) {
    const MenuItem& item = menuholder::kMenu[entry.Row];
    const QString caption = QString::fromLocal8Bit(menuholder::Caption(entry.Row, platform));
    QAction* action;
    if (item.Separator()) {
      action = menu.addSeparator();
    } else if (item.SubMenu()) {
      QMenu* sub = menu.addMenu(caption);
      Add(*sub, entry.Entries, platform);
      action = sub->menuAction();
    } else {
      action = menu.addAction(caption);
      action->setData(entry.Row);
      action->setCheckable(item.Checkable);
      if (item.Checkable) onTop_ = action;
    }
    action->setObjectName(item.Name);
  }
}

std::optional<int> MenuWindow::Exec(const QPoint& position) {
  const QAction* chosen = menu_.exec(position);
  if (!chosen || !chosen->data().isValid()) return std::nullopt;
  return chosen->data().toInt();
}

void MenuWindow::SetOnTopChecked(bool checked) {
  if (onTop_) onTop_->setChecked(checked);
}

void MenuWindow::ShowAssociations(Associations& form, const AssociationsUpdate& shown) {
  AssociationsWindow dialog(owner_, form);
  dialog.Show(shown);
  dialog.exec();
}

void MenuWindow::ShowAbout(const frmabout& about) {
  AboutWindow dialog(about, owner_);
  dialog.exec();
}
