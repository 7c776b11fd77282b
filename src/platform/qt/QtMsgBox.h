#pragma once

#include "platform/MsgBox.h"

class QWidget;

// QMessageBox without an icon; the text is shown as plain text, never as markup. The box
// belongs to the strip, so that a window manager keeps it above an On Top strip.
class QtMsgBox : public MsgBox {
 public:
  explicit QtMsgBox(QWidget& owner) : owner_(owner) {}
  MsgBoxResult Show(const std::string& text, const std::string& caption,
                    MsgBoxButtons buttons) override;
  // The display is gone: from now on a text goes to stderr and a question is answered Cancel.
  void WithoutDisplay() { display_ = false; }

 private:
  QWidget& owner_;
  bool display_ = true;
};
