#pragma once

#include <string>

class Associations;

// The alias editor's window. The core keeps List1's entries and item data; the view shows the
// texts and reports the selection.
class AssociationsView {
 public:
  virtual ~AssociationsView() = default;
  virtual void ListClear() = 0;
  virtual void ListAdd(const std::string& text) = 0;
  virtual void ListRemove(int index) = 0;
  // The selected position, or -1.
  virtual int ListIndex() = 0;
  virtual void SetListIndex(int index) = 0;
  // Text1(0) is the alias, Text1(1) the executable.
  virtual std::string Text(int index) = 0;
  virtual void SetText(int index, const std::string& text) = 0;
  virtual void SetLabel2(const std::string& text) = 0;
  // Shows the window modally, forwarding its events to the form's handlers, and returns when it
  // has closed for any reason.
  virtual void ShowModal(Associations& form) = 0;
};
