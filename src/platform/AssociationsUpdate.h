#pragma once

#include <optional>
#include <string>
#include <vector>

// What a handler of the alias editor changes in its window; a part left empty stays as it is.
struct AssociationsUpdate {
  // List1 anew, with nothing selected.
  std::optional<std::vector<std::string>> List1;
  // One entry added at List1's end; the selection stays.
  std::optional<std::string> Added;
  // Text1(0) is the alias, Text1(1) the executable.
  std::optional<std::string> Text1[2];
  std::optional<std::string> Label2;
};
