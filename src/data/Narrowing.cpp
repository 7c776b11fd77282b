#include "data/Narrowing.h"

#include <array>

namespace {

// Each byte's ASCII lower case; every byte above 127 stays itself.
constexpr std::array<unsigned char, 256> kFolded = [] {
  std::array<unsigned char, 256> folded{};
  for (std::size_t b = 0; b < folded.size(); ++b)
    folded[b] = static_cast<unsigned char>(b >= 'A' && b <= 'Z' ? b + ('a' - 'A') : b);
  return folded;
}();

unsigned char Fold(char c) { return kFolded[static_cast<unsigned char>(c)]; }

}  // namespace

std::string Folded(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) c = static_cast<char>(Fold(c));
  return folded;
}

bool ContainsFolded(std::string_view entry, std::string_view folded) {
  if (folded.empty()) return true;
  if (folded.size() > entry.size()) return false;
  const unsigned char first = static_cast<unsigned char>(folded[0]);
  const std::size_t last = entry.size() - folded.size();
  for (std::size_t at = 0; at <= last; ++at) {
    if (Fold(entry[at]) != first) continue;
    std::size_t i = 1;
    while (i < folded.size() && Fold(entry[at + i]) == static_cast<unsigned char>(folded[i])) ++i;
    if (i == folded.size()) return true;
  }
  return false;
}

std::vector<std::size_t> MatchingPositions(const History& list, std::string_view text) {
  std::vector<std::size_t> positions;
  const std::string folded = Folded(text);
  for (std::size_t position = 0; position < list.size(); ++position)
    if (ContainsFolded(list[position], folded)) positions.push_back(position);
  return positions;
}

void Narrowing::Narrow(std::string_view text) {
  candidates_.clear();
  alone_ = false;
  text_ = text;
  if (Narrowed())
    positions_ = MatchingPositions(list_, text_);
  else
    positions_ = {};
}

void Narrowing::Refresh() {
  std::vector<Candidate> candidates = std::move(candidates_);
  Narrow(std::string(text_));
  if (Narrowed()) candidates_ = std::move(candidates);
}

void Narrowing::Offer(std::vector<Candidate> candidates, bool alone) {
  if (!Narrowed() && !alone) return;
  alone_ = alone;
  candidates_ = std::move(candidates);
}
