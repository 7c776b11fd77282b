#pragma once

#include <QDialog>

class frmabout;

// The About box as designed: fixed size, a close box only, the banner and the four labels.
class AboutWindow : public QDialog {
  Q_OBJECT
 public:
  AboutWindow(const frmabout& about, QWidget* owner);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
