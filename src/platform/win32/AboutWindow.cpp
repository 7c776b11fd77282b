#include "platform/win32/AboutWindow.h"

#include <iterator>

#include "data/Application.h"
#include "platform/win32/Banner.h"

namespace {
constexpr int kPicture1 = 100;
constexpr int kLabel1 = 110;  // Label1(i) has id 110 + i
}  // namespace

void AboutWindow::OnCreate() {
  AddControl("STATIC", kApplicationTitle, SS_OWNERDRAW, frmabout::kPicture1, kPicture1,
             WS_EX_CLIENTEDGE);
  // Tab order: Label1(0), (1), (2), (3).
  for (int i = 0; i < static_cast<int>(std::size(frmabout::kLabel1)); ++i) {
    const frmabout::Label& label = about_.kLabel1[i];
    HWND control =
        AddControl("STATIC", about_.Text(i), SS_NOPREFIX | (label.Centred ? SS_CENTER : SS_RIGHT),
                   label.Position, kLabel1 + i);
    if (label.ForeColor != kWindowText) {
      note_ = control;
      noteColor_ = label.ForeColor.Rgb;
    }
  }
}

void AboutWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID == kPicture1) DrawBanner(item.hDC, item.rcItem, kApplicationTitle, Font());
}

HBRUSH AboutWindow::OnColorStatic(HDC dc, HWND control) {
  if (control != note_) return nullptr;
  SetTextColor(dc, noteColor_);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return GetSysColorBrush(COLOR_BTNFACE);
}
