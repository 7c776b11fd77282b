#include "platform/win32/Win32MsgBox.h"

#include "platform/win32/ModalWindow.h"

MsgBoxResult Win32MsgBox::Show(const std::string& text, const std::string& caption,
                               MsgBoxButtons buttons) {
  const UINT type = buttons == MsgBoxButtons::OKCancel ? MB_OKCANCEL : MB_OK;
  const int answer = MessageBoxA(ModalOwner(strip_), text.c_str(), caption.c_str(), type);
  return answer == IDOK ? MsgBoxResult::OK : MsgBoxResult::Cancel;
}
