#pragma once

#include "platform/AssociationsUpdate.h"

class Associations;
class frmabout;

// The hidden window menuholder: its popup menu and the windows its commands open.
class MenuView {
 public:
  virtual ~MenuView() = default;
  virtual void SetOnTopChecked(bool checked) = 0;
  // Shows the alias editor modally with what `shown` holds, hands the user's actions to the
  // form's handlers and shows what they change; returns when it has closed for any reason.
  virtual void ShowAssociations(Associations& form, const AssociationsUpdate& shown) = 0;
  // Shows the About box modally; returns when it has closed.
  virtual void ShowAbout(const frmabout& about) = 0;
};
