#include "commandwindow/CommandBox.h"

#include "data/TextLines.h"

void CommandBox::SetText(std::string text) {
  std::size_t cursor = text.size();
  KeepOneLine(text, cursor);
  view_.SetText(text);
}

void CommandBox::AddItem(std::string_view entry) {
  if (list_.Full()) view_.ListRemove(0, [this] { list_.DropOldest(); });
  view_.ListAppend([this, entry] { list_.Append(entry); });
}

void CommandBox::Clear() {
  view_.ListReset(list_, [this] { list_.Clear(); });
  view_.SetText(std::string());
  cleared_ = true;
}

void CommandBox::SetForeColor(std::uint32_t color) {
  fore_ = color;
  view_.SetColors(fore_, back_);
}

void CommandBox::SetBackColor(std::uint32_t color) {
  back_ = color;
  view_.SetColors(fore_, back_);
}
