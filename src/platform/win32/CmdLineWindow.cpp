#include "platform/win32/CmdLineWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "commandwindow/CmdLine.h"
#include "data/Conversions.h"
#include "data/Narrowing.h"
#include "data/TextLines.h"
#include "platform/win32/MenuWindow.h"
#include "platform/win32/Module1.h"
#include "platform/win32/NativeControl.h"
#include "platform/win32/Twips.h"
#include "platform/win32/UiFont.h"
#include "platform/win32/Win32Screen.h"

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
// SC_MOVE | HTCAPTION as the 16-bit command 0xF012 sign-extended: a move as if the title bar
// were dragged.
const WPARAM kMoveByCaption =
    static_cast<WPARAM>(static_cast<LONG_PTR>(static_cast<INT32>(0xFFFFF012)));

// The settings' colour numbers are the system's own: a role is the system colour of its index.
COLORREF ColorOf(Color color) {
  const std::uint32_t number = NumberOfColor(color);
  return (number & 0x80000000u) ? GetSysColor(static_cast<int>(number & 0xFF)) : number;
}

// Half way from the text's colour to the background's.
COLORREF Dimmed(COLORREF fore, COLORREF back) {
  return RGB((GetRValue(fore) + GetRValue(back)) / 2, (GetGValue(fore) + GetGValue(back)) / 2,
             (GetBValue(fore) + GetBValue(back)) / 2);
}

// A text as its row shows it: cut as the core's RowLength says, with an ellipsis.
std::string RowShown(std::string_view text) {
  const std::size_t length = RowLength(text);
  if (length == text.size()) return std::string(text);
  return std::string(text.substr(0, length)) + "...";
}

HWND AddChild(HWND parent, const char* windowClass, const char* text, DWORD style,
              const Rect& twips, int id, DWORD exStyle = 0) {
  const RECT r = TwipsToPixels(twips, GetDpiForWindow(parent));
  return CreateWindowExA(exStyle, windowClass, text, kChild | style, r.left, r.top,
                         r.right - r.left, r.bottom - r.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleA(nullptr), nullptr);
}

// How each designed control is made natively; its id is its row's number.
constexpr NativeControl kNative[] = {
    {"Command1", "BUTTON", BS_DEFPUSHBUTTON, 0},
    // The box's edit field; its rows show in Text1's own list, made below.
    {"Text1", "COMBOBOX", CBS_SIMPLE | CBS_AUTOHSCROLL | CBS_NOINTEGRALHEIGHT, 0},
    {"Command2", "BUTTON", BS_PUSHBUTTON, 0},
};
static_assert(std::size(kNative) == std::size(CmdLine::kControls));
static_assert(CmdLineWindow::kCommand1 == 1 && CmdLineWindow::kText1 == 2 &&
              CmdLineWindow::kCommand2 == 3);

int IdOf(std::string_view name) { return static_cast<int>(&NativeOf(kNative, name) - kNative) + 1; }

void PlaceChild(HWND child, const Rect& twips, UINT dpi) {
  const RECT r = TwipsToPixels(twips, dpi);
  MoveWindow(child, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

// An edit's text and caret in its own characters (bytes for an ANSI edit, UTF-16 for a Unicode
// one, as EM_GETSEL counts them), made one line; set back only when that changed something.
template <typename Char>
void KeepEditOneLine(HWND edit) {
  constexpr bool wide = std::is_same_v<Char, wchar_t>;
  const auto send = wide ? SendMessageW : SendMessageA;
  std::basic_string<Char> text(
      static_cast<std::size_t>(wide ? GetWindowTextLengthW(edit) : GetWindowTextLengthA(edit)) + 1,
      Char());
  const int size = static_cast<int>(text.size());
  if constexpr (wide)
    text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), size)));
  else
    text.resize(static_cast<std::size_t>(GetWindowTextA(edit, text.data(), size)));
  DWORD start = 0, caret = 0;  // full positions: the packed return value stops at 65,535
  send(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&caret));
  std::size_t cursor = caret;
  const std::size_t length = text.size();
  KeepOneLine(text, cursor);  // only ever removes characters
  if (text.size() == length) return;
  if constexpr (wide)
    SetWindowTextW(edit, text.c_str());
  else
    SetWindowTextA(edit, text.c_str());
  send(edit, EM_SETSEL, cursor, static_cast<LPARAM>(cursor));
}

// Text set into the edit (a list entry recalled by the combo box, or a text from outside) is
// made one line before the edit takes it. lParam is in the window's current character set.
LRESULT CALLBACK Text1EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) noexcept {
  if (message == WM_SETTEXT && lParam) {
    auto setOneLine = [&]<typename Char>(const Char* given) {
      std::basic_string<Char> text(given);
      std::size_t cursor = text.size();
      KeepOneLine(text, cursor);
      return DefSubclassProc(hwnd, message, wParam, reinterpret_cast<LPARAM>(text.c_str()));
    };
    return IsWindowUnicode(hwnd) ? setOneLine(reinterpret_cast<const wchar_t*>(lParam))
                                 : setOneLine(reinterpret_cast<const char*>(lParam));
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

CmdLineWindow::CmdLineWindow(MenuWindow& menu)
    : menu_(menu), fore_(kWindowText), back_(kWindowBackground) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kClass;
  RegisterClassExA(&wc);
  window_.reset(
      CreateWindowExA(kExStyle, kClass, "", kStyle, 0, 0, 0, 0, nullptr, nullptr, instance, this));

  // Created and stacked in the designed stacking order, top first.
  HWND above = HWND_TOP;
  for (const ::Control& control : CmdLine::kControls) {
    const NativeControl& native = NativeOf(kNative, control.Name);
    HWND child = AddChild(hwnd(), native.Class, control.Text,
                          native.Style | (control.TabStop ? WS_TABSTOP : 0), control.Position,
                          IdOf(control.Name));
    SetWindowPos(child, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = child;
  }
  SetWindowSubclass(Control(kCommand2), Command2Proc, 0, reinterpret_cast<DWORD_PTR>(this));
  // Text1's rows: a list that asks for each row as it draws it, so that showing 32,767 of them
  // costs one message instead of one per row (a combo box's own list copies every row, a third
  // of a second and more under Wine). It takes the place of the combo box's list, which stays
  // empty and hidden, lowest in the stacking order, so that Text1 keeps its designed place in
  // it. Drawn here, so that a candidate row looks unlike an entry.
  HWND list = CreateWindowExA(
      WS_EX_CLIENTEDGE, "LISTBOX", "",
      kChild | WS_VSCROLL | LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0,
      0, 0, 0, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kText1List)), instance,
      nullptr);
  SetWindowPos(list, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowSubclass(list, Text1ListProc, 0, reinterpret_cast<DWORD_PTR>(this));
  ShowWindow(ComboList(), SW_HIDE);
  // The box holds one line of any length: entries are limited by memory, not by the edit.
  SendMessageA(Control(kText1), CB_LIMITTEXT, 0, 0);
  SetWindowSubclass(Text1Edit(), Text1EditProc, 0, 0);
  ApplyDpi();

  RECT frame{0, 0, TwipsToPixels(CmdLine::kClientWidth, Dpi()),
             TwipsToPixels(CmdLine::kClientHeight, Dpi())};
  AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, Dpi());
  SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

void CmdLineWindow::ApplyDpi() {
  font_ = CreateUiFont(Dpi());
  ApplyFont(hwnd(), static_cast<HFONT>(font_.get()));
  // A list drawn by its owner keeps the rows' height it had: the font's height, as a list box
  // gives its own rows.
  HDC dc = GetDC(hwnd());
  const HGDIOBJ old = SelectObject(dc, font_.get());
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(hwnd(), dc);
  SendMessageA(Text1List(), LB_SETITEMHEIGHT, 0, metrics.tmHeight);
}

void CmdLineWindow::Show() {
  shown_ = true;
  ShowWindow(hwnd(), SW_SHOWNORMAL);
  SetFocus(Control(kCommand1));
  if (form_) form_->Form_Resize();
}

HWND CmdLineWindow::Text1Edit() const {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  GetComboBoxInfo(Control(kText1), &info);
  return info.hwndItem;
}

HWND CmdLineWindow::ComboList() const {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  GetComboBoxInfo(Control(kText1), &info);
  return info.hwndList;
}

std::string CmdLineWindow::RowText(std::size_t row) const {
  if (!rows_ || row >= rows_->size()) return {};
  const std::string_view entry = (*rows_)[row];
  return CommandBox::IsLong(entry) ? RowShown(entry) : std::string(entry);
}

// The combo box puts a picked row into its edit field, selected, before it tells of the pick.
void CmdLineWindow::PickRow() {
  const int row = ListIndex();
  if (row < 0) return;
  picking_ = true;
  SetWindowTextA(Text1Edit(), RowText(static_cast<std::size_t>(row)).c_str());
  picking_ = false;
  if (GetFocus() == Text1List()) SetFocus(Text1Edit());
  SendMessageA(Text1Edit(), EM_SETSEL, 0, -1);
  form_->Text1_Click();
}

// Whatever the user did to the edit field (typed, pasted), it holds one line.
void CmdLineWindow::KeepText1OneLine() {
  const HWND edit = Text1Edit();
  if (IsWindowUnicode(edit))
    KeepEditOneLine<wchar_t>(edit);
  else
    KeepEditOneLine<char>(edit);
}

bool CmdLineWindow::PreTranslate(MSG& msg) {
  if (msg.hwnd != hwnd() && !IsChild(hwnd(), msg.hwnd)) return false;
  if (msg.message == WM_KEYDOWN && form_) {
    // Virtual-key codes are the handlers' key codes. Tab completes in the edit field when no
    // modifier is held; Shift+Tab always moves the focus.
    if (msg.wParam == VK_TAB) {
      if (msg.hwnd == Text1Edit() && KeyShift() == 0 && form_->Text1_KeyDown(vbKeyTab, 0))
        return true;
    } else if ((msg.hwnd == Text1Edit() || msg.hwnd == Text1List()) && msg.wParam <= 0xFF &&
               form_->Text1_KeyDown(static_cast<int>(msg.wParam), KeyShift())) {
      return true;
    } else if (msg.hwnd == Text1Edit() && (msg.wParam == VK_UP || msg.wParam == VK_DOWN ||
                                           msg.wParam == VK_PRIOR || msg.wParam == VK_NEXT)) {
      // As in a simple combo box, these keys in the edit field move through the list.
      SendMessageA(Text1List(), WM_KEYDOWN, msg.wParam, 0);
      return true;
    }
  }
  if (msg.message == WM_CHAR && msg.hwnd == Text1Edit() && form_)
    form_->Text1_KeyPress(static_cast<int>(msg.wParam));
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB) {
    // Win32 would follow the stacking order, which the design reverses: the designed tab order.
    const auto order = TabOrder(CmdLine::kControls);
    const HWND focus = GetFocus();
    std::size_t at = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
      const HWND control = Control(IdOf(order[i]));
      if (focus == control || IsChild(control, focus)) at = i;
    }
    const std::size_t step = GetKeyState(VK_SHIFT) < 0 ? order.size() - 1 : 1;
    SetFocus(Control(IdOf(order[(at + step) % order.size()])));
    return true;
  }
  return IsDialogMessageA(hwnd(), &msg);
}

std::string CmdLineWindow::Text() { return WindowText(Control(kText1)); }

// The combo box may highlight the first entry that starts with a text set into it; the set
// text ends a pick instead.
void CmdLineWindow::SetText(const std::string& text) {
  SetWindowTextA(Control(kText1), text.c_str());
  SendMessageA(Text1List(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

// The edit counts in its own characters: bytes when it is an ANSI window, UTF-16 units when
// it is a Unicode one; the view counts bytes of the text.
std::size_t CmdLineWindow::SelStart() {
  const HWND edit = Text1Edit();
  DWORD start = 0, caret = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&caret));
  if (!IsWindowUnicode(edit)) return caret;
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
  const int units = static_cast<int>(std::min<std::size_t>(caret, text.size()));
  return static_cast<std::size_t>(
      WideCharToMultiByte(CP_ACP, 0, text.data(), units, nullptr, 0, nullptr, nullptr));
}

void CmdLineWindow::SetSelStart(std::size_t position) {
  const HWND edit = Text1Edit();
  if (IsWindowUnicode(edit)) {
    const std::string text = Text();
    position = static_cast<std::size_t>(MultiByteToWideChar(
        CP_ACP, 0, text.data(), static_cast<int>(std::min(position, text.size())), nullptr, 0));
  }
  SendMessageA(edit, EM_SETSEL, position, static_cast<LPARAM>(position));
  SendMessageA(edit, EM_SCROLLCARET, 0, 0);
}

void CmdLineWindow::ListReset(const Narrowing& rows, const std::function<void()>& change) {
  rows_ = &rows;
  change();
  const HWND list = Text1List();
  // One redraw for the reset and the count, not one of the scroll bar for each.
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  SendMessageA(list, LB_SETCOUNT, rows.size(), 0);
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void CmdLineWindow::ListAppend(const std::function<void()>& change) {
  change();
  SendMessageA(Text1List(), LB_INSERTSTRING, static_cast<WPARAM>(-1), 0);
}

void CmdLineWindow::ListRemove(std::size_t row, const std::function<void()>& change) {
  change();
  SendMessageA(Text1List(), LB_DELETESTRING, static_cast<WPARAM>(row), 0);
}

void CmdLineWindow::ListShowRow(std::size_t row) {
  SendMessageA(Text1List(), LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
}

int CmdLineWindow::ListIndex() {
  return static_cast<int>(SendMessageA(Text1List(), LB_GETCURSEL, 0, 0));
}

void CmdLineWindow::SetReadOnly(bool readOnly) {
  SendMessageA(Text1Edit(), EM_SETREADONLY, readOnly, 0);
}

void CmdLineWindow::SetClipboard(const std::string& text) {
  if (!OpenClipboard(hwnd())) return;
  EmptyClipboard();
  // The clipboard owns the memory once SetClipboardData has taken it.
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
  }
  CloseClipboard();
}

void CmdLineWindow::SetColors(Color fore, Color back) {
  fore_ = fore;
  back_ = back;
  brush_.reset(CreateSolidBrush(ColorOf(back_)));
  RedrawWindow(Control(kText1), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  RedrawWindow(Text1List(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

// A row as the list box draws one; a candidate's name, then dimmed what it runs.
void CmdLineWindow::DrawText1Row(const DRAWITEMSTRUCT& item) {
  const HDC dc = item.hDC;
  const bool selected = item.itemState & ODS_SELECTED;
  const COLORREF fore = selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : ColorOf(fore_);
  const COLORREF back = selected ? GetSysColor(COLOR_HIGHLIGHT) : ColorOf(back_);
  SetTextColor(dc, fore);
  SetBkColor(dc, back);
  const RECT& r = item.rcItem;
  const auto draw = [&](int x, std::string_view text) {
    ExtTextOutA(dc, x, r.top, ETO_OPAQUE | ETO_CLIPPED, &r, text.data(),
                static_cast<UINT>(text.size()), nullptr);
  };
  if (!rows_ || item.itemID >= rows_->size()) {
    draw(r.left, {});
  } else if (!rows_->IsCandidate(item.itemID)) {
    draw(r.left + 1, RowShown((*rows_)[item.itemID]));
  } else {
    const Candidate& candidate = rows_->CandidateAt(item.itemID);
    const std::string shownName = RowShown(candidate.Name), shownLine = RowShown(candidate.Line);
    draw(r.left + 1, shownName);
    SIZE name{}, gap{};
    GetTextExtentPoint32A(dc, shownName.data(), static_cast<int>(shownName.size()), &name);
    GetTextExtentPoint32A(dc, "   ", 3, &gap);
    SetTextColor(dc, Dimmed(fore, back));
    const RECT rest{r.left + 1 + name.cx + gap.cx, r.top, r.right, r.bottom};
    ExtTextOutA(dc, rest.left, r.top, ETO_CLIPPED, &rest, shownLine.data(),
                static_cast<UINT>(shownLine.size()), nullptr);
  }
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
}

HBRUSH CmdLineWindow::ColorText1(HDC dc) {
  if (!brush_) brush_.reset(CreateSolidBrush(ColorOf(back_)));
  SetTextColor(dc, ColorOf(fore_));
  SetBkColor(dc, ColorOf(back_));
  return static_cast<HBRUSH>(brush_.get());
}

Rect CmdLineWindow::WindowRect() {
  RECT r{};
  GetWindowRect(hwnd(), &r);
  return WindowToTwips(r, GetDpiForSystem(), Dpi());
}

void CmdLineWindow::Move(const Rect& outer) {
  placed_ = WindowToPixels(outer, GetDpiForSystem(), DisplayMonitors());
  placing_ = true;
  SetWindowPos(hwnd(), nullptr, placed_.left, placed_.top, placed_.right - placed_.left,
               placed_.bottom - placed_.top, SWP_NOZORDER | SWP_NOACTIVATE);
  placing_ = false;
}

float CmdLineWindow::ScaleWidth() {
  RECT r{};
  GetClientRect(hwnd(), &r);
  return PixelsToTwips(r.right, Dpi());
}

float CmdLineWindow::ScaleHeight() {
  RECT r{};
  GetClientRect(hwnd(), &r);
  return PixelsToTwips(r.bottom, Dpi());
}

void CmdLineWindow::Layout(const Rect& text1, const Rect& command2) {
  const HWND box = Control(kText1);
  PlaceChild(box, text1, Dpi());
  // Text1's list takes the place of the combo box's own, which the box no longer shows.
  RECT r{}, list{};
  GetWindowRect(box, &r);
  GetWindowRect(ComboList(), &list);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&r), 2);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&list), 2);
  MoveWindow(Text1List(), r.left, list.top, r.right - r.left, r.bottom - list.top, TRUE);
  SetWindowRgn(box, CreateRectRgn(0, 0, r.right - r.left, list.top - r.top), TRUE);
  PlaceChild(Control(kCommand2), command2, Dpi());
}

void CmdLineWindow::SetTopmost(bool topmost) {
  Module1::SetWindowPos(hwnd(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                        SWP_NOMOVE | SWP_NOSIZE);
}

bool CmdLineWindow::SystemMove() {
  Module1::ReleaseCapture();
  // Returns when the user has released the button and the move has ended.
  Module1::SendMessageA(hwnd(), WM_SYSCOMMAND, kMoveByCaption, 0);
  return true;
}

std::optional<int> CmdLineWindow::PopupMenu() { return menu_.Popup(hwnd()); }

bool CmdLineWindow::BringToFront() {
  if (!shown_) return false;
  if (!IsWindowEnabled(hwnd())) {
    // A modal window of the program has disabled the strip: the frontmost one comes forward.
    struct Search {
      HWND strip, found;
    } search{hwnd(), nullptr};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
          auto* s = reinterpret_cast<Search*>(context);
          if (window == s->strip ||
              GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId() ||
              !IsWindowVisible(window) || !IsWindowEnabled(window))
            return TRUE;
          s->found = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (search.found) SetForegroundWindow(search.found);
    return false;
  }
  if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
  SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(hwnd());
  return true;
}

void CmdLineWindow::SelectText1() {
  // Also what WM_ACTIVATE gives the focus back to, should the activation come after this.
  focus_ = Text1Edit();
  SetFocus(focus_);
  SendMessageA(Control(kText1), CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

LRESULT CALLBACK CmdLineWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                           LPARAM lParam) noexcept {
  auto* self = WindowObject<CmdLineWindow>(hwnd, message, lParam);
  if (!self || !self->form_ || self->hwnd() != hwnd)
    return DefWindowProcA(hwnd, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

LRESULT CmdLineWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (shown_) form_->Form_Resize();
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kCommand1) form_->Command1_Click();
      if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kCommand2) form_->Command2_Click();
      // The user's own edits only: a pick from the list changes the text without it. An edit
      // ends a pick, and the entry the combo box may have highlighted for the text is none.
      if (HIWORD(wParam) == LBN_SELCHANGE && LOWORD(wParam) == kText1List) PickRow();
      if (HIWORD(wParam) == CBN_EDITCHANGE && LOWORD(wParam) == kText1 && !picking_) {
        KeepText1OneLine();
        SendMessageA(Text1List(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        form_->Text1_Change();
      }
      return 0;
    case WM_DRAWITEM:
      if (wParam == kText1List) {
        DrawText1Row(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
      }
      break;
    case DM_GETDEFID:
      return MAKELONG(kCommand1, DC_HASDEFID);
    case WM_LBUTTONDOWN:
      form_->Form_MouseDown(vbLeftButton);
      return 0;
    case WM_RBUTTONDOWN:
      form_->Form_MouseDown(vbRightButton);
      return 0;
    case WM_MBUTTONDOWN:
      form_->Form_MouseDown(vbMiddleButton);
      return 0;
    // The children cover the whole client area: the sizing border around it is the strip's
    // background for a right click.
    case WM_NCRBUTTONDOWN:
      if (wParam >= HTLEFT && wParam <= HTBORDER) {
        form_->Form_MouseDown(vbRightButton);
        return 0;
      }
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
      // The combo box passes up its edit field's and list's colour requests.
      const HWND control = reinterpret_cast<HWND>(lParam);
      if (control == Control(kText1) || IsChild(Control(kText1), control) || control == Text1List())
        return reinterpret_cast<LRESULT>(ColorText1(reinterpret_cast<HDC>(wParam)));
      break;
    }
    case WM_ACTIVATE:
      // A window that is not a dialog gets the focus back only when it keeps it itself.
      if (LOWORD(wParam) == WA_INACTIVE) {
        focus_ = GetFocus();
      } else if (focus_ && IsChild(hwnd(), focus_)) {
        SetFocus(focus_);
        return 0;
      }
      break;
    case WM_DPICHANGED: {
      ApplyDpi();
      RECT now{};
      GetWindowRect(hwnd(), &now);
      if (placing_ || EqualRect(&now, &placed_)) {
        // The change comes from Move, during its SetWindowPos or after it, and Move has sized
        // the window for this monitor already: Windows' suggestion would scale the size a second
        // time. The children are laid out again at the new DPI.
        if (shown_) form_->Form_Resize();
        return 0;
      }
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    // Every close request takes the close path. It saves an open alias editor first, then the
    // history, and ends the program; a request that comes while it runs does nothing.
    case WM_CLOSE:
      form_->Form_QueryUnload();
      return 0;
    // The session's end can still be cancelled when it asks: the program saves and runs on, and
    // ends when the end is confirmed.
    case WM_QUERYENDSESSION:
      form_->Form_QueryEndSession();
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) form_->Form_QueryUnload();
      return 0;
  }
  return DefWindowProcA(hwnd(), message, wParam, lParam);
}

// The list holds no texts: a screen reader, as any other reader of the list, asks for a row's
// text as it would from a list of strings, and gets what the row shows, in the window's
// character set.
LRESULT CALLBACK CmdLineWindow::Text1ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR, DWORD_PTR self) noexcept {
  if (message != LB_GETTEXT && message != LB_GETTEXTLEN)
    return DefSubclassProc(hwnd, message, wParam, lParam);
  const auto* window = reinterpret_cast<CmdLineWindow*>(self);
  if (!window->rows_ || wParam >= window->rows_->size()) return LB_ERR;
  const std::string text = window->RowText(wParam);
  if (!IsWindowUnicode(hwnd)) {
    if (message == LB_GETTEXT)
      std::memcpy(reinterpret_cast<char*>(lParam), text.c_str(), text.size() + 1);
    return static_cast<LRESULT>(text.size());
  }
  const int size = static_cast<int>(text.size());
  const int units = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  if (message == LB_GETTEXT) {
    auto* out = reinterpret_cast<wchar_t*>(lParam);
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, out, units);
    out[units] = L'\0';
  }
  return units;
}

LRESULT CALLBACK CmdLineWindow::Command2Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR, DWORD_PTR self) noexcept {
  CmdLine* form = reinterpret_cast<CmdLineWindow*>(self)->form_;
  if (form) switch (message) {
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        form->Command2_MouseDown(vbLeftButton);
        break;  // the button goes on to its click
      case WM_RBUTTONDOWN:
      case WM_RBUTTONDBLCLK:
        form->Command2_MouseDown(vbRightButton);
        return 0;
      case WM_MBUTTONDOWN:
      case WM_MBUTTONDBLCLK:
        form->Command2_MouseDown(vbMiddleButton);
        return 0;
    }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}
