#pragma once

#include "platform/MsgBox.h"

// QMessageBox without an icon; the text is shown as plain text, never as markup.
class QtMsgBox : public MsgBox {
 public:
  MsgBoxResult Show(const std::string& text, const std::string& caption,
                    MsgBoxButtons buttons) override;
  // The display is gone: from now on a text goes to stderr and a question is answered Cancel.
  void WithoutDisplay() { display_ = false; }

 private:
  bool display_ = true;
};
