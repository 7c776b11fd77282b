#pragma once

#include <memory>

#include "platform/AssociationsView.h"

class frmabout;

// The hidden window menuholder: its popup menu and the windows its commands open.
class MenuView {
 public:
  virtual ~MenuView() = default;
  virtual void SetOnTopChecked(bool checked) = 0;
  // A new, not yet shown alias editor window.
  virtual std::unique_ptr<AssociationsView> CreateAssociations() = 0;
  // Shows the About box modally; returns when it has closed.
  virtual void ShowAbout(const frmabout& about) = 0;
};
