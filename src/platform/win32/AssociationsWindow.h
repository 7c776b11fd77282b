#pragma once

#include <string_view>

#include "aliaseditor/Associations.h"
#include "platform/AssociationsUpdate.h"
#include "platform/win32/ModalWindow.h"

// The alias editor's native window, built from the designed control table.
class AssociationsWindow : public ModalWindow {
 public:
  // Shows `shown` first; the user's actions go to the form's handlers, and what they return
  // shows.
  AssociationsWindow(Associations& form, const AssociationsUpdate& shown)
      : ModalWindow(Associations::kCaption, Associations::kClientWidth,
                    Associations::kClientHeight),
        form_(form),
        shown_(shown) {}

 private:
  void Show(const AssociationsUpdate& update);
  // A designed control by its name, e.g. "Text1(0)".
  HWND Control(std::string_view name) const;
  int ListIndex() const;

  void OnCreate() override;
  bool OnListKey(int KeyCode, int Shift) override;
  void OnCommand(int id, int code) override;
  void OnDrawItem(const DRAWITEMSTRUCT& item) override;

  Associations& form_;
  const AssociationsUpdate& shown_;
};
