#pragma once

#include <string>

#include "platform/Color.h"

class AliasTable;

// What the menu's commands need of the command window that owns the menu.
class MenuOwner {
 public:
  virtual AliasTable& Aliases() = 0;
  // Puts the text in the command box as the user's own line.
  virtual void SetBoxText(const std::string& text) = 0;
  // Empties the history list and the box.
  virtual void ClearHistory() = 0;
  virtual void SetForeColor(Color color) = 0;
  virtual void SetBackColor(Color color) = 0;
  // The command box in the system's own colours.
  virtual void UseSystemColors() = 0;
  virtual void SetTopmost(bool topmost) = 0;
  // The command window's close path.
  virtual void Close() = 0;

 protected:
  ~MenuOwner() = default;
};
