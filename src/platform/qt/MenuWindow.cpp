#include "platform/qt/MenuWindow.h"

#include "menu/menuholder.h"
#include "platform/qt/AboutWindow.h"
#include "platform/qt/AssociationsWindow.h"

MenuWindow::MenuWindow(QWidget* owner) : owner_(owner), menu_(owner) {
  menu_.setObjectName("main");
}

void MenuWindow::Attach(menuholder& holder) {
  holder_ = &holder;
  Add(menu_, menuholder::Tree());
}

void MenuWindow::Add(QMenu& menu, const std::vector<MenuEntry>& entries) {
  for (const MenuEntry& entry : entries) {
    const MenuItem& item = menuholder::kMenu[entry.Row];
    const QString caption = QString::fromLocal8Bit(holder_->Caption(entry.Row));
    QAction* action;
    if (item.Separator()) {
      action = menu.addSeparator();
    } else if (item.SubMenu()) {
      QMenu* sub = menu.addMenu(caption);
      Add(*sub, entry.Entries);
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

void MenuWindow::Exec(const QPoint& position) {
  const QAction* chosen = menu_.exec(position);
  if (!chosen || !holder_ || !chosen->data().isValid()) return;
  const MenuItem& item = menuholder::kMenu[chosen->data().toInt()];
  (holder_->*item.Click)();
}

void MenuWindow::SetOnTopChecked(bool checked) {
  if (onTop_) onTop_->setChecked(checked);
}

std::unique_ptr<AssociationsView> MenuWindow::CreateAssociations() {
  return std::make_unique<AssociationsWindow>(owner_);
}

void MenuWindow::ShowAbout(const frmabout& about) {
  AboutWindow dialog(about, owner_);
  dialog.exec();
}
