#pragma once

#include <string_view>

#include "platform/AssociationsView.h"
#include "platform/win32/ModalWindow.h"

// The alias editor's native window, built from the designed control table.
class AssociationsWindow : public AssociationsView, public ModalWindow {
 public:
  explicit AssociationsWindow(HWND owner);

  // A designed control by its name, e.g. "Text1(0)".
  HWND Control(std::string_view name) const;

  void ListClear() override;
  void ListAdd(const std::string& text) override;
  void ListRemove(int index) override;
  int ListIndex() override;
  void SetListIndex(int index) override;
  std::string Text(int index) override;
  void SetText(int index, const std::string& text) override;
  void SetLabel2(const std::string& text) override;
  void ShowModal(Associations& form) override;

 private:
  bool OnKeyDown(HWND control, int KeyCode, int Shift) override;
  void OnCommand(int id, int code) override;
  void OnDrawItem(const DRAWITEMSTRUCT& item) override;

  Associations* form_ = nullptr;
};
