#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "platform/AssociationsUpdate.h"

class Associations;

// The alias editor window as designed: fixed size, a close box only, every control at its
// place in twips and in its tab order. Enter does nothing here; Escape closes it as its close box
// does.
class AssociationsWindow : public QDialog {
  Q_OBJECT
 public:
  // The user's actions go to the form's handlers, and what they return shows.
  AssociationsWindow(QWidget* owner, Associations& form);

  void Show(const AssociationsUpdate& update);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int ListIndex() const;
  std::string Text(int index) const;

  Associations& form_;
  QListWidget* list1_;
  QLineEdit* text1_[2];
  QLabel* label2_;
  QPushButton* command1_;
  QPushButton* command2_;
};
