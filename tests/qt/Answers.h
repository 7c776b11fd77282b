#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

// Answers the menus and modal windows that a test's action opens and then waits in. Each step
// waits until its widget is up, then acts on it: the first step is tried whenever a window is
// exposed or becomes active, and after each act, from the event loop that runs then, so a step
// whose act opens another modal window is followed inside that window's loop.
class Answers : public QObject {
 public:
  Answers() { QApplication::instance()->installEventFilter(this); }

  // Chooses the items of the popup menu by object name, opening sub-menus on the way.
  void Menu(const QStringList& path) {
    for (const QString& name : path)
      steps_.push_back([name]() -> std::function<void()> {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return {};
        QAction* action = menu->findChild<QAction*>(name);
        if (!action || !menu->actions().contains(action)) return {};
        return [menu, action] {
          menu->setActiveAction(action);
          QTest::keyClick(menu, action->menu() ? Qt::Key_Right : Qt::Key_Return);
        };
      });
  }

  // Acts on the active modal window once it is a W.
  template <typename W>
  void Modal(std::function<void(W*)> act) {
    steps_.push_back([act]() -> std::function<void()> {
      auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
      if (!window || !window->isVisible()) return {};
      return [act, window] { act(window); };
    });
  }

  bool Done() const { return steps_.empty(); }

  // Types the path into the dialog's file name box and presses Open. (selectFile() leaves the
  // box alone while it has the focus, which it gets at a moment of its own.)
  static void Open(QFileDialog* dialog, const QString& path) {
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
    static_cast<QDialog*>(dialog)->accept();  // protected in QFileDialog
  }

 private:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Expose || event->type() == QEvent::WindowActivate) Try();
    return false;
  }
  void Try() {
    QTimer::singleShot(0, this, [this] {
      if (steps_.empty()) return;
      if (auto act = steps_.front()()) {
        steps_.pop_front();
        Try();
        act();
      }
    });
  }

  std::deque<std::function<std::function<void()>()>> steps_;
};
