#include "platform/qt/QtMsgBox.h"

#include <QMessageBox>
#include <cstdio>

MsgBoxResult QtMsgBox::Show(const std::string& text, const std::string& caption,
                            MsgBoxButtons buttons) {
  if (!display_) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return buttons == MsgBoxButtons::OK ? MsgBoxResult::OK : MsgBoxResult::Cancel;
  }
  QString body = QString::fromLocal8Bit(text);
  body.replace("\r\n", "\n");
  QMessageBox box(
      QMessageBox::NoIcon, QString::fromLocal8Bit(caption), body,
      buttons == MsgBoxButtons::OK ? QMessageBox::Ok : QMessageBox::Ok | QMessageBox::Cancel,
      &owner_);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Ok);
  return box.exec() == QMessageBox::Ok ? MsgBoxResult::OK : MsgBoxResult::Cancel;
}
