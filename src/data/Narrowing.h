#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/History.h"

// A row that the list offers beside the history: something that can run but has not yet.
struct Candidate {
  std::string Name;  // what the row shows first: the application's or the program's name
  std::string Line;  // what the box gets when the row is picked, and what the row shows dimmed
};

// A row of the list shows at most kRowLength characters of its text, then an ellipsis: laying
// out an entry of megabytes would hold the list for seconds at each paint. The entry itself
// stays whole.
inline constexpr std::size_t kRowLength = 1000;
// How many characters of a text its row shows before the ellipsis, or the whole text's length
// when it fits. Characters as the port holds the text: ANSI bytes on Windows, UTF-16 units on
// Linux, where a surrogate pair stays whole.
template <typename Char>
std::size_t RowLength(std::basic_string_view<Char> text) {
  if (text.size() <= kRowLength) return text.size();
  if constexpr (sizeof(Char) == 2) {
    const auto last = static_cast<std::uint16_t>(text[kRowLength - 1]);
    if (last >= 0xD800 && last <= 0xDBFF) return kRowLength - 1;
  }
  return kRowLength;
}

// The text with its ASCII letters in lower case, for ContainsFolded.
std::string Folded(std::string_view text);
// Whether the entry contains a folded text, ASCII letters in either case.
bool ContainsFolded(std::string_view entry, std::string_view folded);

// The positions of the entries that contain the text, in list order: ASCII letters match in
// either case, every other byte only itself (the bytes' code page is not known here, so no
// other letter is folded). An empty text is in every entry.
std::vector<std::size_t> MatchingPositions(const History& list, std::string_view text);

// The rows of the command box's list: the history's entries that contain the text the list is
// narrowed by, or every entry while that text is empty; row r shows the entry at Position(r).
// While narrowed, candidates may follow the entries: rows of what can run but has not yet.
class Narrowing {
 public:
  explicit Narrowing(const History& list) : list_(list) {}
  Narrowing(const Narrowing&) = delete;
  Narrowing& operator=(const Narrowing&) = delete;

  // Shows the entries that contain the text, and no candidates; an empty text shows them all.
  void Narrow(std::string_view text);
  // Narrows by the same text again, after the history has changed; the candidates stay.
  void Refresh();
  bool Narrowed() const { return !text_.empty(); }
  const std::string& Text() const { return text_; }
  // Candidates after the entries, while narrowed; alone, they are the only rows until the next
  // Narrow.
  void Offer(std::vector<Candidate> candidates, bool alone = false);

  std::size_t size() const { return Entries() + candidates_.size(); }
  bool empty() const { return size() == 0; }
  // Rows from Entries() on are candidates.
  std::size_t Entries() const { return alone_ ? 0 : Narrowed() ? positions_.size() : list_.size(); }
  bool IsCandidate(std::size_t row) const { return row >= Entries(); }
  const Candidate& CandidateAt(std::size_t row) const { return candidates_[row - Entries()]; }
  // The history position of an entry's row.
  std::size_t Position(std::size_t row) const { return Narrowed() ? positions_[row] : row; }
  // The text a row puts into the box: the entry, or the candidate's line.
  std::string_view operator[](std::size_t row) const {
    return IsCandidate(row) ? std::string_view(CandidateAt(row).Line) : list_[Position(row)];
  }

 private:
  const History& list_;
  std::string text_;
  std::vector<std::size_t> positions_;  // while narrowed
  std::vector<Candidate> candidates_;   // while narrowed, or alone
  bool alone_ = false;
};
