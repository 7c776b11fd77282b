#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/History.h"
#include "platform/CmdLineView.h"

// Text1: the command box. Its list is the history, held here as bytes and mirrored into the
// view; its text lives in the view, where the user edits it.
class CommandBox {
 public:
  static constexpr std::uint32_t kWindowText = 0x80000008;
  static constexpr std::uint32_t kWindowBackground = 0x80000005;

  explicit CommandBox(CmdLineView& view) : view_(view) {
    view_.ListReset(list_, [] {});
  }

  std::string Text() const { return view_.Text(); }
  // Sets the edit field's text, made one line as an edit in the box would make it.
  void SetText(std::string text);

  const History& List() const { return list_; }
  // Appends an entry; when the list is full the oldest one makes room.
  void AddItem(std::string_view entry);
  // Empties the list and the text.
  void Clear();
  // True once the user has cleared the list: from then on it is the whole history.
  bool Cleared() const { return cleared_; }
  // Gives the list to a loader, then shows what it holds.
  template <typename Load>
  void LoadList(Load load) {
    view_.ListReset(list_, [&] { load(list_); });
  }

  std::uint32_t ForeColor() const { return fore_; }
  std::uint32_t BackColor() const { return back_; }
  void SetForeColor(std::uint32_t color);
  void SetBackColor(std::uint32_t color);

 private:
  CmdLineView& view_;
  History list_;
  bool cleared_ = false;
  std::uint32_t fore_ = kWindowText;
  std::uint32_t back_ = kWindowBackground;
};
