#include "data/History.h"

#include "data/Application.h"
#include "data/TextLines.h"

bool History::Append(std::string_view entry) {
  bool dropped = false;
  if (entries_.size() == kMaxEntries) {
    const auto oldest = counts_.find(entries_.front());
    if (--oldest->second == 0) counts_.erase(oldest);
    entries_.pop_front();
    dropped = true;
  }
  const std::string_view added = entries_.emplace_back(entry);
  if (auto node = counts_.extract(added)) {
    // The key moves to the newest copy, which outlives every older one.
    node.key() = added;
    ++node.mapped();
    counts_.insert(std::move(node));
  } else {
    counts_.emplace(added, 1);
  }
  return dropped;
}

void History::Clear() {
  counts_.clear();
  entries_.clear();
}

namespace {

template <typename AddLine>
bool LoadLines(Files& files, const char* name, AddLine addLine) {
  const std::string path = files.PathOf(name);
  if (!files.IsFile(path)) return true;
  const auto bytes = files.Read(path);
  if (!bytes) return false;
  for (const std::string_view line : SplitLines(*bytes)) addLine(TrimSpaces(line));
  return true;
}

}  // namespace

bool LoadHistory(History& list, Files& files) {
  return LoadLines(files, kHistoryFile, [&list](std::string_view line) { list.Append(line); });
}

bool LoadPermanentHistory(History& list, Files& files) {
  return LoadLines(files, kPermanentHistoryFile, [&list](std::string_view line) {
    if (!list.Contains(line)) list.Append(line);
  });
}

std::string HistoryText(const History& list) { return JoinLines(list); }
