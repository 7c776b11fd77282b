#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "completion/CommandWord.h"
#include "data/Narrowing.h"
#include "platform/Listings.h"

// The longest beginning that every name shares, in the first name's letters; without regard to
// case on Windows. Empty for no names.
std::string CommonBeginning(const std::vector<std::string>& names, PathStyle style);

// What Tab made of a line.
struct TabCompletion {
  std::string Line;
  std::size_t Cursor = 0;
  // When several names fit and the word could not grow: what a second Tab shows, each with the
  // line it completes to.
  std::vector<Candidate> Choices;
};

// Completes the word that ends at the cursor, as a shell does: the first word against the alias
// names, the programs on PATH and the start folder's entries; a later word, and any word that
// looks like a path, against the file system (relative to the start folder). Nothing when no
// name fits: Tab then does what it does without completion.
std::optional<TabCompletion> CompleteAtCursor(std::string_view line, std::size_t cursor,
                                              PathStyle style,
                                              const std::vector<std::string>& aliasNames,
                                              Listings& listings);
