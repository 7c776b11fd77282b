#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "platform/AssociationsView.h"

// The alias editor window as designed: fixed size, a close box only, every control at its
// place in twips and in its tab order. Enter does nothing here; Escape closes it as its close box
// does.
class AssociationsWindow : public QDialog, public AssociationsView {
  Q_OBJECT
 public:
  explicit AssociationsWindow(QWidget* owner);

  void ListClear() override;
  void ListAdd(const std::string& text) override;
  void ListRemove(int index) override;
  int ListIndex() override;
  void SetListIndex(int index) override;
  std::string Text(int index) override;
  void SetText(int index, const std::string& text) override;
  void SetLabel2(const std::string& text) override;
  void ShowModal(Associations& form) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Associations* form_ = nullptr;
  QListWidget* list1_;
  QLineEdit* text1_[2];
  QLabel* label2_;
  QPushButton* command1_;
  QPushButton* command2_;
};
