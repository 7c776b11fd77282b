#include "data/History.h"

#include "data/Application.h"
#include "data/TextLines.h"

namespace {
std::size_t HashOf(std::string_view text) { return std::hash<std::string_view>()(text); }
}  // namespace

std::size_t History::Find(std::string_view entry, std::size_t hash) const {
  std::size_t slot = hash & (kSlots - 1);
  while (slots_[slot].serial != 0 &&
         (slots_[slot].hash != hash || Entry(slots_[slot].serial) != entry))
    slot = (slot + 1) & (kSlots - 1);
  return slot;
}

bool History::Contains(std::string_view entry) const {
  return !slots_.empty() && slots_[Find(entry, HashOf(entry))].serial != 0;
}

bool History::Append(std::string_view entry) {
  if (slots_.empty()) slots_.resize(kSlots);
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

// Backward-shift deletion keeps every probe sequence unbroken.
void History::EraseSlot(std::size_t slot) {
  for (std::size_t next = slot;;) {
    slots_[slot] = Slot();
    for (;;) {
      next = (next + 1) & (kSlots - 1);
      if (slots_[next].serial == 0) return;
      const std::size_t home = slots_[next].hash & (kSlots - 1);
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
