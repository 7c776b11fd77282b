#pragma once

#include <string_view>

#include "platform/AssociationsView.h"
#include "platform/win32/ModalWindow.h"

class Associations;

// The alias editor's native window, built from the designed control table.
class AssociationsWindow : public ModalWindow {
 public:
  // The user's actions go to the form's handlers, and what they return shows.
  AssociationsWindow(HWND owner, Associations& form);

  // A designed control by its name, e.g. "Text1(0)".
  HWND Control(std::string_view name) const;

  void Show(const AssociationsUpdate& update);
  void ShowModal() { RunModal(); }

 private:
  int ListIndex() const;

  bool OnKeyDown(HWND control, int KeyCode, int Shift) override;
  void OnCommand(int id, int code) override;
  void OnDrawItem(const DRAWITEMSTRUCT& item) override;

  Associations& form_;
};
