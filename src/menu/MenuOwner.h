#pragma once

class AliasTable;
class CommandBox;

// What the menu's commands need of the command window that owns the menu.
class MenuOwner {
 public:
  virtual CommandBox& Box() = 0;
  virtual AliasTable& Aliases() = 0;
  virtual void SetTopmost(bool topmost) = 0;
  // The command window's close path.
  virtual void Close() = 0;

 protected:
  ~MenuOwner() = default;
};
