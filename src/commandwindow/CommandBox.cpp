#include "commandwindow/CommandBox.h"

void CommandBox::AddItem(std::string_view entry) {
  if (list_.Append(entry)) view_.ListFrontRemoved();
  view_.ListAppended();
}

void CommandBox::Clear() {
  list_.Clear();
  view_.ListReset(list_);
  view_.SetText(std::string());
}

void CommandBox::SetForeColor(std::uint32_t color) {
  fore_ = color;
  view_.SetColors(fore_, back_);
}

void CommandBox::SetBackColor(std::uint32_t color) {
  back_ = color;
  view_.SetColors(fore_, back_);
}
