#include "data/History.h"

#include <algorithm>

#include "data/Application.h"
#include "data/TextLines.h"

namespace {
std::size_t HashOf(std::string_view text) { return std::hash<std::string_view>()(text); }
}  // namespace

std::size_t History::Find(std::string_view entry, std::size_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = hash & mask;
  while (slots_[slot].serial != 0 &&
         (slots_[slot].hash != hash || Entry(slots_[slot].serial) != entry))
    slot = (slot + 1) & mask;
  return slot;
}

bool History::Contains(std::string_view entry) const {
  return !slots_.empty() && slots_[Find(entry, HashOf(entry))].serial != 0;
}

bool History::Append(std::string_view entry) {
  Reserve(entries_.size() + 1);
  bool dropped = false;
  if (entries_.size() == kMaxEntries) {
    const std::size_t slot = Find(entries_.front(), HashOf(entries_.front()));
    if (slots_[slot].serial == firstSerial_) EraseSlot(slot);
    entries_.pop_front();
    ++firstSerial_;
    dropped = true;
  }
  const std::size_t hash = HashOf(entry);
  const std::size_t slot = Find(entry, hash);
  entries_.emplace_back(entry);
  slots_[slot] = {firstSerial_ + entries_.size() - 1, hash};
  return dropped;
}

void History::Reserve(std::size_t entries) {
  // At most half the slots are in use, so that probes stay short.
  std::size_t slots = std::max<std::size_t>(64, slots_.size());
  while (slots < 2 * std::min(entries, kMaxEntries)) slots *= 2;
  if (slots != slots_.size()) Reindex(slots);
}

void History::Reindex(std::size_t slots) {
  slots_.assign(slots, Slot());
  // Later copies overwrite earlier ones, so each text ends up at its newest copy.
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const std::size_t hash = HashOf(entries_[i]);
    slots_[Find(entries_[i], hash)] = {firstSerial_ + i, hash};
  }
}

// Backward-shift deletion keeps every probe sequence unbroken.
void History::EraseSlot(std::size_t slot) {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t next = slot;;) {
    slots_[slot] = Slot();
    for (;;) {
      next = (next + 1) & mask;
      if (slots_[next].serial == 0) return;
      const std::size_t home = slots_[next].hash & mask;
      // The entry at next may move back to slot unless its home lies in (slot, next].
      const bool stays =
          slot <= next ? (slot < home && home <= next) : (slot < home || home <= next);
      if (!stays) break;
    }
    slots_[slot] = slots_[next];
    slot = next;
  }
}

void History::Clear() {
  entries_.clear();
  firstSerial_ = 1;
  slots_.clear();
}

namespace {

template <typename AddLine>
bool LoadLines(History& list, Files& files, const char* name, AddLine addLine) {
  const std::string path = files.PathOf(name);
  if (!files.IsFile(path)) return true;
  const auto bytes = files.Read(path);
  if (!bytes) return false;
  const auto lines = SplitLines(*bytes);
  list.Reserve(list.size() + lines.size());
  for (const std::string_view line : lines) addLine(TrimSpaces(line));
  return true;
}

}  // namespace

bool LoadHistory(History& list, Files& files) {
  return LoadLines(list, files, kHistoryFile,
                   [&list](std::string_view line) { list.Append(line); });
}

bool LoadPermanentHistory(History& list, Files& files) {
  return LoadLines(list, files, kPermanentHistoryFile, [&list](std::string_view line) {
    if (!list.Contains(line)) list.Append(line);
  });
}

std::string HistoryText(const History& list) { return JoinLines(list); }
