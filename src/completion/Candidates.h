#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "completion/CommandWord.h"
#include "data/History.h"
#include "data/Narrowing.h"
#include "platform/Listings.h"

// At most a screenful of candidates.
inline constexpr std::size_t kMaxCandidates = 50;

// The candidates for the typed text: the applications whose name contains it (ASCII letters in
// either case), then the alias names and the programs that begin with its first word (program
// names without case on Windows). A line the history holds is no candidate, and each name and
// each line comes once.
std::vector<Candidate> MatchCandidates(std::string_view typed, const History& history,
                                       const std::vector<Application>& applications,
                                       const std::vector<std::string>& aliasNames,
                                       const std::vector<std::string>& programs, PathStyle style);

// A desktop entry's Exec value as a line of the command box: its field codes (%f %F %u %U %i
// %c %k and the deprecated %d %D %n %N %v %m) removed and %% made %; a plain or quoted line
// when its words need no shell, the "%" form otherwise.
std::string LineOfExec(std::string_view exec);
