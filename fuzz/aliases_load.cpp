// aliases.cfg from any bytes: the load never crashes, and what it loaded saves and loads back
// as the same rows, with the lines it did not load kept byte for byte after them.

#include <cstdint>

#include "Check.h"
#include "Fakes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FakeFiles files;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  files.Put("aliases.cfg", bytes);
  AliasTable table;
  const bool loaded = LoadAliases(table, files);
  CHECK(table.AliasNames.size() == table.AliasTargets.size());
  CHECK(table.Count() <= AliasTable::kMaxRows);
  for (int i = 1; i <= table.Count(); ++i) {
    CHECK(table.AliasNames[i].find('`') == std::string::npos);
    CHECK(table.AliasNames[i].find('\r') == std::string::npos);
    CHECK(table.AliasNames[i].find('\n') == std::string::npos);
    CHECK(table.AliasTargets[i].find_first_of("\r\n") == std::string::npos);
  }

  CHECK(SaveAliases(table, files));
  AliasTable again;
  CHECK(LoadAliases(again, files) == loaded);
  CHECK(again.AliasNames == table.AliasNames);
  CHECK(again.AliasTargets == table.AliasTargets);
  CHECK(again.Unloaded == table.Unloaded);
  // The file's bytes after the rows are exactly the ones the load did not take.
  const std::string saved = *files.Get("aliases.cfg");
  CHECK(saved.size() >= table.Unloaded->size());
  CHECK(saved.compare(saved.size() - table.Unloaded->size(), std::string::npos, *table.Unloaded) ==
        0);
  CHECK(bytes.size() >= table.Unloaded->size());
  CHECK(bytes.compare(bytes.size() - table.Unloaded->size(), std::string::npos, *table.Unloaded) ==
        0);
  return 0;
}
