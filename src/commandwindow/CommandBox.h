#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "data/History.h"
#include "data/Narrowing.h"
#include "platform/CmdLineView.h"

// Text1: the command box. Its list is the history, held here as bytes and shown in the view
// narrowed to the entries that contain the box's text; the text lives in the view, where the
// user edits it.
class CommandBox {
 public:
  explicit CommandBox(CmdLineView& view) : view_(view) {
    view_.ListReset(shown_, [] {});
  }

  // An entry longer than this, picked into the box, shows there as its row does (its start, as
  // RowLength cuts it, and an ellipsis), read-only, and stays whole here: laying out megabytes holds the
  // box for seconds (a 20 MB entry, 18 s on Windows). An edit replaces it whole.
  static constexpr std::size_t kLongEntry = std::size_t{1} << 16;
  static bool IsLong(std::string_view entry) { return entry.size() > kLongEntry; }

  // The box's text as it runs: a long entry picked into it is the whole entry.
  std::string Text() const;
  // Sets the edit field's text, made one line as an edit in the box would make it, and shows
  // the entries that contain it.
  void SetText(std::string text);
  // The user has edited the text: the list shows the entries that contain it now, and the
  // candidates offered for it.
  void Edited();
  // The user picked a row into the box: a long entry makes it read-only.
  void Picked(int row);
  // The row that Up (or Down) in the edit field picks, as the list of a simple combo box picks
  // it: with a row picked, the one above (below) it, stopping at the ends; with none, the
  // list's caret: the row picked last (the last row, should fewer be left), or the first since
  // the list showed a new set of rows. Nothing while the list is empty.
  std::optional<std::size_t> RecallRow(bool up) const;
  // The user edits a long entry picked into the box: it empties, editable, for the edit.
  void ReplaceLong();
  // The box shows the start of a long entry, read-only.
  bool ShowsLong() const { return longPicked_; }
  // What offers candidates for a text the user typed.
  void OfferWith(std::function<std::vector<Candidate>(std::string_view)> offer) {
    offer_ = std::move(offer);
  }
  // Shows only these candidates, until the text changes.
  void ShowChoices(std::vector<Candidate> choices);

  const History& List() const { return list_; }
  // The rows the list shows.
  const Narrowing& Shown() const { return shown_; }
  // Appends an entry; when the list is full the oldest one makes room.
  void AddItem(std::string_view entry);
  // A line ran: it joins the list unless it is there already, and is one of this run's own.
  void Ran(std::string_view entry);
  // Removes the entry that a row of the list shows, and puts back the text that the list is
  // narrowed by: what the user typed before picking the row. Returns the removed entry.
  std::string RemoveRow(std::size_t row);
  // Empties the list and the text.
  void Clear();
  // True once the user has cleared the list: from then on it is the whole history.
  bool Cleared() const { return cleared_; }
  // Whether the user removed an entry with this text in this run.
  bool Removed(std::string_view entry) const { return removed_.count(entry) != 0; }
  // Whether a line with this text ran in this run.
  bool RanHere(std::string_view entry) const { return ran_.count(entry) != 0; }
  // Gives the list to a loader, then shows what it holds.
  template <typename Load>
  void LoadList(Load load) {
    Reset([&] {
      load(list_);
      shown_.Refresh();
    });
  }

  Color ForeColor() const { return fore_; }
  Color BackColor() const { return back_; }
  void SetForeColor(Color color);
  void SetBackColor(Color color);

 private:
  // Every change of the rows passes one of these two; they keep the caret as the list does.
  void Reset(const std::function<void()>& change);
  void Remove(std::size_t row, const std::function<void()>& change);
  // Shows the entries that contain the text, the newest of them in view.
  void Narrow(std::string_view text);
  void ShowNewest();
  // The box shows a text of its own, no long entry.
  void SetViewText(const std::string& text);
  // The box no longer shows a long entry: it is editable.
  void EndLong();

  CmdLineView& view_;
  std::function<std::vector<Candidate>(std::string_view)> offer_;
  History list_;
  Narrowing shown_{list_};
  bool cleared_ = false;
  bool longPicked_ = false;  // the box is read-only, showing the start of the picked row
  std::size_t caret_ = 0;    // the list's caret row, which Up or Down picks while none is
  std::set<std::string, std::less<>> removed_;
  std::set<std::string, std::less<>> ran_;
  Color fore_ = kWindowText;
  Color back_ = kWindowBackground;
};
