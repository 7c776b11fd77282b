#pragma once

#include <QDialog>

class frmabout;

// The About box as designed: fixed size, a close box only, the banner and the four labels.
class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  AboutDialog(const frmabout& about, QWidget* owner);
};
