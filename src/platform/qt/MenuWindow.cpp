#include "platform/qt/MenuWindow.h"

#include "menu/menuholder.h"
#include "platform/qt/AboutDialog.h"
#include "platform/qt/AssociationsDialog.h"

MenuWindow::MenuWindow(QWidget* owner) : owner_(owner), menu_(owner) {
  menu_.setObjectName("main");
  QMenu* level1 = nullptr;  // the sub-menu that level 1 items go to
  for (int i = 0; i < menuholder::kMenuCount; ++i) {
    const MenuItem& item = menuholder::kMenu[i];
    QMenu* parent = item.Level == 0 ? &menu_ : level1;
    if (!parent) continue;
    const QString caption = QString::fromLocal8Bit(item.Caption);
    QAction* action;
    if (caption == "-") {
      action = parent->addSeparator();
    } else if (!item.Click) {
      level1 = parent->addMenu(caption);
      action = level1->menuAction();
    } else {
      action = parent->addAction(caption);
      action->setData(i);
      action->setCheckable(item.Checkable);
    }
    action->setObjectName(item.Name);
    if (item.Checkable) onTop_ = action;
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
  return std::make_unique<AssociationsDialog>(owner_);
}

void MenuWindow::ShowAbout(const frmabout& about) {
  AboutDialog dialog(about, owner_);
  dialog.exec();
}
