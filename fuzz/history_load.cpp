// history.cfg and permhist.cfg from any bytes: the load never crashes, keeps the limit and the
// duplicate rule, and the saved history loads back as the same entries.

#include <fuzzer/FuzzedDataProvider.h>

#include <set>

#include "Check.h"
#include "Fakes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  FakeFiles files;
  files.Put("history.cfg", input.ConsumeRandomLengthString(size));
  files.Put("permhist.cfg", input.ConsumeRemainingBytesAsString());

  History list;
  CHECK(LoadHistory(list, files));
  const std::vector<std::string> fromHistory(list.begin(), list.end());
  CHECK(LoadPermanentHistory(list, files));
  CHECK(list.size() <= History::kMaxEntries);

  std::set<std::string> seen;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string_view entry = list[i];
    CHECK(entry.data()[entry.size()] == '\0');
    CHECK(list.Contains(entry));
    CHECK(entry.find('\r') == std::string::npos);
    CHECK(entry.empty() || (entry.front() != ' ' && entry.back() != ' '));
    // Only history.cfg may bring the same line twice.
    if (!seen.emplace(entry).second) CHECK(i < fromHistory.size());
  }

  files.Put("history.cfg", HistoryText(list));
  History again;
  CHECK(LoadHistory(again, files));
  CHECK(std::equal(again.begin(), again.end(), list.begin(), list.end()));
  return 0;
}
