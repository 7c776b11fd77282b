#include "platform/win32/Win32MsgBox.h"

#include <windows.h>

MsgBoxResult Win32MsgBox::Show(const std::string& text, const std::string& caption,
                               MsgBoxButtons buttons) {
  const UINT type = buttons == MsgBoxButtons::OKCancel ? MB_OKCANCEL : MB_OK;
  const int answer = MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), type);
  return answer == IDOK ? MsgBoxResult::OK : MsgBoxResult::Cancel;
}
