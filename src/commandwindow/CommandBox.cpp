#include "commandwindow/CommandBox.h"

#include <algorithm>

#include "data/TextLines.h"

std::string CommandBox::Text() const {
  const int row = view_.ListIndex();
  if (longPicked_ && row >= 0 && static_cast<std::size_t>(row) < shown_.size())
    return std::string(shown_[static_cast<std::size_t>(row)]);
  return view_.Text();
}

void CommandBox::SetText(std::string text) {
  std::size_t cursor = text.size();
  KeepOneLine(text, cursor);
  SetViewText(text);
  Narrow(text);
}

void CommandBox::Edited() {
  EndLong();
  Narrow(view_.Text());
}

void CommandBox::Picked(int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= shown_.size()) return;
  caret_ = static_cast<std::size_t>(row);
  const bool isLong = IsLong(shown_[static_cast<std::size_t>(row)]);
  if (isLong == longPicked_) return;
  longPicked_ = isLong;
  view_.SetReadOnly(isLong);
}

std::optional<std::size_t> CommandBox::RecallRow(bool up) const {
  if (shown_.size() == 0) return std::nullopt;
  const int picked = view_.ListIndex();
  if (picked < 0 || static_cast<std::size_t>(picked) >= shown_.size())
    return std::min(caret_, shown_.size() - 1);
  const auto row = static_cast<std::size_t>(picked);
  return up ? (row == 0 ? 0 : row - 1) : std::min(row + 1, shown_.size() - 1);
}

void CommandBox::Reset(const std::function<void()>& change) {
  caret_ = 0;
  view_.ListReset(shown_, change);
}

void CommandBox::Remove(std::size_t row, const std::function<void()>& change) {
  view_.ListRemove(row, change);
  if (caret_ >= shown_.size()) caret_ = shown_.size() == 0 ? 0 : shown_.size() - 1;
}

void CommandBox::ReplaceLong() {
  if (longPicked_) SetText(std::string());
}

void CommandBox::SetViewText(const std::string& text) {
  EndLong();
  view_.SetText(text);
}

void CommandBox::EndLong() {
  if (!longPicked_) return;
  longPicked_ = false;
  view_.SetReadOnly(false);
}

void CommandBox::Narrow(std::string_view text) {
  if (text == shown_.Text()) return;
  Reset([&] {
    shown_.Narrow(text);
    if (offer_ && shown_.Narrowed()) shown_.Offer(offer_(text));
  });
  ShowNewest();
}

void CommandBox::ShowChoices(std::vector<Candidate> choices) {
  Reset([&] { shown_.Offer(std::move(choices), true); });
}

void CommandBox::ShowNewest() {
  if (shown_.Narrowed() && shown_.Entries() > 0) view_.ListShowRow(shown_.Entries() - 1);
}

// While the list is narrowed a change of the history shows as a new set of rows; otherwise
// row by row, so that the rows in view stay where they are.
void CommandBox::AddItem(std::string_view entry) {
  if (shown_.Narrowed()) {
    Reset([&] {
      list_.Append(entry);
      shown_.Refresh();
    });
    ShowNewest();
    return;
  }
  if (list_.Full()) Remove(0, [this] { list_.DropOldest(); });
  view_.ListAppend([this, entry] { list_.Append(entry); });
}

void CommandBox::Ran(std::string_view entry) {
  if (!list_.Contains(entry)) AddItem(entry);
  ran_.emplace(entry);
}

std::string CommandBox::RemoveRow(std::size_t row) {
  const std::size_t position = shown_.Position(row);
  std::string entry(list_[position]);
  removed_.emplace(entry);
  if (shown_.Narrowed()) {
    Reset([&] {
      list_.Remove(position);
      shown_.Refresh();
    });
  } else {
    Remove(row, [&] { list_.Remove(position); });
  }
  // The box held the removed entry, ready to be added again by Enter.
  SetViewText(std::string(shown_.Text()));
  ShowNewest();
  return entry;
}

void CommandBox::Clear() {
  Reset([this] {
    list_.Clear();
    shown_.Narrow(std::string_view());
  });
  SetViewText(std::string());
  cleared_ = true;
}

void CommandBox::SetForeColor(Color color) {
  fore_ = color;
  view_.SetColors(fore_, back_);
}

void CommandBox::SetBackColor(Color color) {
  back_ = color;
  view_.SetColors(fore_, back_);
}
