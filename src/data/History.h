#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Files.h"

// The command history: the list of the command box, oldest entry first. Entries are bytes as
// typed or as the files hold them, so they go back to disk unchanged. Each entry's bytes are
// followed by a NUL in memory, so its data() can be handed to C interfaces as it is.
class History {
 public:
  // List positions are signed 16-bit.
  static constexpr std::size_t kMaxEntries = 32767;

  History() = default;
  // The entries are views into the list's own storage: a copy would point into the original.
  History(const History&) = delete;
  History& operator=(const History&) = delete;

  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  std::string_view operator[](std::size_t position) const { return entries_[position]; }
  auto begin() const { return entries_.begin(); }
  auto end() const { return entries_.end(); }

  bool Contains(std::string_view entry) const;
  // Appends at the end. When the list is full the oldest entry makes room; returns true then.
  bool Append(std::string_view entry);
  bool Full() const { return entries_.size() == kMaxEntries; }
  // Removes the first, oldest entry of a list that is not empty.
  void DropOldest();
  // Removes the entry at a position of the list; an older copy of its text stays findable.
  void Remove(std::size_t position);
  // Appends every line of a file's bytes, trimmed of spaces; with skipPresent only the lines not
  // in the list yet. The entries stay in the bytes themselves: nothing is copied line by line.
  void AppendLines(std::string bytes, bool skipPresent);
  void Clear();

 private:
  // Prepares the index for a list of that many entries, so that a long load indexes only once;
  // an unindexed list is indexed here.
  void Reserve(std::size_t entries) const;

  // An open-addressing index from each distinct text to its newest copy, so that the duplicate
  // test costs one hash. When the oldest entry goes, its slot goes only if no newer copy exists.
  // A list loaded without the duplicate test has no index (no slots) until one is first needed:
  // start-up then neither hashes the history nor holds the index.
  struct Slot {
    std::uint32_t serial = 0;  // the entry's serial number; 0 marks an empty slot
    std::uint32_t hash = 0;
  };

  // The slot holding the text, or the empty slot where it would go.
  std::size_t Find(std::string_view entry, std::uint32_t hash) const;
  void EraseSlot(std::size_t slot);
  // Rebuilds the index with a number of slots that is a power of two.
  void Reindex(std::size_t slots) const;
  std::string_view Entry(std::uint32_t serial) const { return entries_[serial - firstSerial_]; }
  // Appends a view into storage_, making room at the front when the list is full.
  bool AppendView(std::string_view entry);

  // Views into storage_, which holds loaded files and typed entries in the order of the list, so
  // a block goes as soon as the oldest entry no longer lies in it.
  std::deque<std::string_view> entries_;
  std::deque<std::string> storage_;
  std::uint32_t firstSerial_ = 1;    // the serial number of entries_.front()
  mutable std::vector<Slot> slots_;  // grows with the list, to twice kMaxEntries at most
};

// Appends every line of history.cfg, trimmed, duplicates included. False when the file is
// present but cannot be read; a missing file is not an error.
bool LoadHistory(History& list, Files& files);
// Appends the lines of permhist.cfg, trimmed, that are not in the list yet.
bool LoadPermanentHistory(History& list, Files& files);
// history.cfg's contents for the list: every entry followed by CR LF.
std::string HistoryText(const History& list);
