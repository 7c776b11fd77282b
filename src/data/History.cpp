#include "data/History.h"

#include <algorithm>
#include <functional>

#include "data/Application.h"
#include "data/TextLines.h"

namespace {
std::uint32_t HashOf(std::string_view text) {
  return static_cast<std::uint32_t>(std::hash<std::string_view>()(text));
}
}  // namespace

std::size_t History::Find(std::string_view entry, std::uint32_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = hash & mask;
  while (slots_[slot].serial != 0 &&
         (slots_[slot].hash != hash || Entry(slots_[slot].serial) != entry))
    slot = (slot + 1) & mask;
  return slot;
}

bool History::Contains(std::string_view entry) const {
  if (entries_.empty()) return false;
  Reserve(entries_.size());
  return slots_[Find(entry, HashOf(entry))].serial != 0;
}

bool History::Append(std::string_view entry) { return AppendView(storage_.emplace_back(entry)); }

void History::AppendLines(std::string bytes, bool skipPresent) {
  const bool indexed = skipPresent || !slots_.empty();
  if (indexed) Reserve(entries_.size() + bytes.size() + 1);  // a line takes at least its end
  std::string& block = storage_.emplace_back(std::move(bytes));
  ForEachLine(block, [&](std::string_view line) {
    const std::string_view entry = TrimSpaces(line);
    // What follows an entry is a trimmed space, its line's CR or the block's own end, none of
    // them part of any entry: a NUL there ends the entry for C interfaces.
    block[static_cast<std::size_t>(entry.data() - block.data()) + entry.size()] = '\0';
    if (!indexed) {
      if (Full()) DropOldest();
      entries_.push_back(entry);
    } else if (!skipPresent || !Contains(entry)) {
      AppendView(entry);
    }
    return true;
  });
}

bool History::AppendView(std::string_view entry) {
  Reserve(entries_.size() + 1);
  const bool dropped = Full();
  if (dropped) DropOldest();
  const std::uint32_t hash = HashOf(entry);
  const std::size_t slot = Find(entry, hash);
  entries_.push_back(entry);
  slots_[slot] = {static_cast<std::uint32_t>(firstSerial_ + entries_.size() - 1), hash};
  return dropped;
}

void History::DropOldest() {
  if (!slots_.empty()) {
    const std::size_t slot = Find(entries_.front(), HashOf(entries_.front()));
    if (slots_[slot].serial == firstSerial_) EraseSlot(slot);
  }
  entries_.pop_front();
  if (++firstSerial_ > UINT32_MAX - kMaxEntries) {  // serial numbers would wrap: renumber
    firstSerial_ = 1;
    if (!slots_.empty()) Reindex(slots_.size());
  }
  // Blocks before the one holding the oldest entry hold nothing of the list any more.
  const std::less<const char*> before;
  while (!storage_.empty()) {
    const std::string& block = storage_.front();
    if (!entries_.empty() && !before(entries_.front().data(), block.data()) &&
        !before(block.data() + block.size(), entries_.front().data()))
      break;
    storage_.pop_front();
  }
}

void History::Remove(std::size_t position) {
  if (position == 0) return DropOldest();
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(position));
  // Serial numbers follow positions, so each later entry has a new one: index the list anew
  // (a list not indexed yet stays so).
  if (!slots_.empty()) Reindex(slots_.size());
}

void History::Reserve(std::size_t entries) const {
  // At most half the slots are in use, so that probes stay short.
  std::size_t slots = std::max<std::size_t>(64, slots_.size());
  while (slots < 2 * std::min(entries, kMaxEntries)) slots *= 2;
  if (slots != slots_.size()) Reindex(slots);
}

void History::Reindex(std::size_t slots) const {
  slots_.assign(slots, Slot());
  // Later copies overwrite earlier ones, so each text ends up at its newest copy.
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const std::uint32_t hash = HashOf(entries_[i]);
    slots_[Find(entries_[i], hash)] = {static_cast<std::uint32_t>(firstSerial_ + i), hash};
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
  storage_.clear();
  firstSerial_ = 1;
  slots_.clear();
}

namespace {

bool LoadLines(History& list, Files& files, const char* name, bool skipPresent) {
  const std::string path = files.ReadPathOf(name);
  if (!files.IsFile(path)) return true;
  auto bytes = files.Read(path);
  if (!bytes) return false;
  list.AppendLines(std::move(*bytes), skipPresent);
  return true;
}

}  // namespace

bool LoadHistory(History& list, Files& files) {
  return LoadLines(list, files, kHistoryFile, false);
}

bool LoadPermanentHistory(History& list, Files& files) {
  return LoadLines(list, files, kPermanentHistoryFile, true);
}

std::string HistoryText(const History& list) { return JoinLines(list); }
