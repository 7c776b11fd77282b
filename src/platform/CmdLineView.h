#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "platform/Color.h"
#include "platform/Geometry.h"

class Narrowing;

// The command window as its handlers see it. Lengths are twips.
class CmdLineView {
 public:
  virtual ~CmdLineView() = default;

  // Text1: the edit field of the command box.
  virtual std::string Text() = 0;
  virtual void SetText(const std::string& text) = 0;
  // The cursor in the edit field, in bytes of its text; setting it selects nothing.
  virtual std::size_t SelStart() = 0;
  virtual void SetSelStart(std::size_t position) = 0;
  // Text1's list shows the rows of the history that the core has narrowed it to, and the
  // candidates after them: the view reads the rows from them, and draws a candidate unlike an
  // entry (its name, then dimmed what it runs), so that nobody takes it for a past command. Each
  // change of the rows runs inside one of these calls, which tells the view before and after it: a
  // reset, a row appended at the end, one row removed. ListReset comes first, when the form is
  // created, and again for a whole new set of rows.
  virtual void ListReset(const Narrowing& rows, const std::function<void()>& change) = 0;
  virtual void ListAppend(const std::function<void()>& change) = 0;
  virtual void ListRemove(std::size_t row, const std::function<void()>& change) = 0;
  // Scrolls the list so that the row is in view.
  virtual void ListShowRow(std::size_t row) = 0;
  // The row that the user highlighted by picking it (Up, Down, a click), or -1.
  virtual int ListIndex() = 0;
  // Whether the user can edit Text1's edit field; it is editable until the core says otherwise.
  virtual void SetReadOnly(bool readOnly) = 0;
  // Puts the text on the system's clipboard, as Cut would.
  virtual void SetClipboard(const std::string& text) = 0;
  virtual void SetColors(Color fore, Color back) = 0;

  // The window's outer rectangle on the desktop, and its client area.
  virtual Rect WindowRect() = 0;
  virtual void Move(const Rect& outer) = 0;
  virtual float ScaleWidth() = 0;
  virtual float ScaleHeight() = 0;
  // Places Text1 and Command2 inside the client area.
  virtual void Layout(const Rect& text1, const Rect& command2) = 0;

  virtual void SetTopmost(bool topmost) = 0;
  // Moves the window with the pointer as if its title bar were dragged. True when the move has
  // ended on return; false when it goes on and the port calls CmdLine::MoveEnded afterwards.
  virtual bool SystemMove() = 0;
  // Pops up menuholder's menu at the pointer; returns the row of menuholder::kMenu that the user
  // chose, or nothing.
  virtual std::optional<int> PopupMenu() = 0;
  // Shows the window, raises it and gives it the keyboard. False when a modal window of the
  // program is open over it: that one comes to the front instead.
  virtual bool BringToFront() = 0;
  // Puts the keyboard focus in Text1's edit field with its whole text selected.
  virtual void SelectText1() = 0;
};
