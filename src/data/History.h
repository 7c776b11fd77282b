#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/Files.h"

// The command history: the list of the command box, oldest entry first. Entries are bytes as
// typed or as the files hold them, so they go back to disk unchanged.
class History {
 public:
  // List positions are signed 16-bit.
  static constexpr std::size_t kMaxEntries = 32767;

  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  const std::string& operator[](std::size_t position) const { return entries_[position]; }
  auto begin() const { return entries_.begin(); }
  auto end() const { return entries_.end(); }

  bool Contains(std::string_view entry) const { return counts_.count(entry) != 0; }

  // Appends at the end. When the list is full the oldest entry makes room; returns true then.
  bool Append(std::string_view entry);
  void Clear();

 private:
  // References into a deque stay valid as it grows at the end and shrinks at the front, so the
  // counts key on a view of the newest copy of each text: only the oldest entry ever goes.
  std::deque<std::string> entries_;
  std::unordered_map<std::string_view, std::size_t> counts_;
};

// Appends every line of history.cfg, trimmed, duplicates included. False when the file is
// present but cannot be read; a missing file is not an error.
bool LoadHistory(History& list, Files& files);
// Appends the lines of permhist.cfg, trimmed, that are not in the list yet.
bool LoadPermanentHistory(History& list, Files& files);
// history.cfg's contents for the list: every entry followed by CR LF.
std::string HistoryText(const History& list);
