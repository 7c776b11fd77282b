#include "commandwindow/CommandBox.h"

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
  const bool isLong = IsLong(shown_[static_cast<std::size_t>(row)]);
  if (isLong == longPicked_) return;
  longPicked_ = isLong;
  view_.SetReadOnly(isLong);
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
  view_.ListReset(shown_, [&] {
    shown_.Narrow(text);
    if (offer_ && shown_.Narrowed()) shown_.Offer(offer_(text));
  });
  ShowNewest();
}

void CommandBox::ShowChoices(std::vector<Candidate> choices) {
  view_.ListReset(shown_, [&] { shown_.Offer(std::move(choices), true); });
}

void CommandBox::ShowNewest() {
  if (shown_.Narrowed() && shown_.Entries() > 0) view_.ListShowRow(shown_.Entries() - 1);
}

// While the list is narrowed a change of the history shows as a new set of rows; otherwise
// row by row, so that the rows in view stay where they are.
void CommandBox::AddItem(std::string_view entry) {
  if (shown_.Narrowed()) {
    view_.ListReset(shown_, [&] {
      list_.Append(entry);
      shown_.Refresh();
    });
    ShowNewest();
    return;
  }
  if (list_.Full()) view_.ListRemove(0, [this] { list_.DropOldest(); });
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
    view_.ListReset(shown_, [&] {
      list_.Remove(position);
      shown_.Refresh();
    });
  } else {
    view_.ListRemove(row, [&] { list_.Remove(position); });
  }
  // The box held the removed entry, ready to be added again by Enter.
  SetViewText(std::string(shown_.Text()));
  ShowNewest();
  return entry;
}

void CommandBox::Clear() {
  view_.ListReset(shown_, [this] {
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
