#pragma once

#include <cstdint>

#include "platform/CmdLineView.h"
#include "platform/win32/Handle.h"

class CmdLine;
class MenuWindow;

// The command window: a strip without title bar holding Command2, Text1 and Command1.
class CmdLineWindow : public CmdLineView {
 public:
  static constexpr int kCommand1 = 1;
  static constexpr int kText1 = 2;
  static constexpr int kCommand2 = 3;
  // Text1's list, a window of its own beside the combo box that holds the edit field.
  static constexpr int kText1List = 4;
  static constexpr const char* kClass = "VellCmdLine";

  // Created hidden at its designed size. It has no owner: a topmost owned window makes its
  // owner topmost too, and the on-top state belongs to the strip alone.
  explicit CmdLineWindow(MenuWindow& menu);
  CmdLineWindow(const CmdLineWindow&) = delete;
  CmdLineWindow& operator=(const CmdLineWindow&) = delete;

  // The form whose handlers the window's events go to; none while it is being destroyed.
  void Bind(CmdLine* form) { form_ = form; }
  HWND hwnd() const { return window_.get(); }
  HWND Control(int id) const { return GetDlgItem(hwnd(), id); }

  // Shows the window with the focus on Command1 and lays it out for the first time.
  void Show();
  // The keyboard's designed meaning for a message of the main loop: Tab in the designed tab
  // order, Enter on the default button. True when it was handled here.
  bool PreTranslate(MSG& msg);

  std::string Text() override;
  void SetText(const std::string& text) override;
  std::size_t SelStart() override;
  void SetSelStart(std::size_t position) override;
  void ListReset(const Narrowing& rows, const std::function<void()>& change) override;
  void ListAppend(const std::function<void()>& change) override;
  void ListRemove(std::size_t row, const std::function<void()>& change) override;
  void ListShowRow(std::size_t row) override;
  int ListIndex() override;
  void SetClipboard(const std::string& text) override;
  void SetReadOnly(bool readOnly) override;
  void SetColors(Color fore, Color back) override;
  Rect WindowRect() override;
  void Move(const Rect& outer) override;
  float ScaleWidth() override;
  float ScaleHeight() override;
  void Layout(const Rect& text1, const Rect& command2) override;
  void SetTopmost(bool topmost) override;
  bool SystemMove() override;
  std::optional<int> PopupMenu() override;
  bool BringToFront() override;
  void SelectText1() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
  static LRESULT CALLBACK Command2Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self) noexcept;
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  HBRUSH ColorText1(HDC dc);
  void DrawText1Row(const DRAWITEMSTRUCT& item);
  void ApplyDpi();
  HWND Text1Edit() const;
  HWND Text1List() const { return Control(kText1List); }
  // The combo box's own list, empty and hidden.
  HWND ComboList() const;
  void KeepText1OneLine();
  // What a row of Text1's list puts into the box, and what a screen reader reads of it: a long
  // entry, its start.
  std::string RowText(std::size_t row) const;
  // The row the user highlighted goes into the edit field, selected; then the form hears of it.
  void PickRow();
  static LRESULT CALLBACK Text1ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR self) noexcept;
  UINT Dpi() const { return GetDpiForWindow(hwnd()); }

  MenuWindow& menu_;
  CmdLine* form_ = nullptr;
  const Narrowing* rows_ = nullptr;  // the rows of the history that Text1's list shows
  WindowHandle window_;
  GdiHandle font_;
  GdiHandle brush_;
  Color fore_;
  Color back_;
  bool shown_ = false;
  bool placing_ = false;  // inside Move's own SetWindowPos
  bool picking_ = false;  // PickRow is setting the edit field's text
  RECT placed_{};         // where Move put the window last, in physical pixels
  HWND focus_ = nullptr;  // the control that had the focus when the window was deactivated
};
