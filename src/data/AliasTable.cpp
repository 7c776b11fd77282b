#include "data/AliasTable.h"

#include "data/Application.h"
#include "data/TextLines.h"

namespace {
constexpr char kSeparator = '`';
}  // namespace

void AliasTable::Reset(int rows) {
  AliasNames.assign(static_cast<std::size_t>(rows) + 1, std::string());
  AliasTargets.assign(static_cast<std::size_t>(rows) + 1, std::string());
}

std::string_view AliasTable::ResolveAlias(std::string_view text) const {
  for (std::size_t i = 1; i < AliasNames.size(); ++i)
    if (AliasNames[i] == text) return AliasTargets[i];
  return text;
}

std::optional<AliasTable::Call> AliasTable::ResolveAliasCall(std::string_view line) const {
  const auto space = line.find(' ');
  if (space == std::string_view::npos) return std::nullopt;
  const std::string_view name = line.substr(0, space);
  std::optional<Call> call;
  for (std::size_t i = 1; i < AliasNames.size(); ++i) {
    if (AliasNames[i] == line) return std::nullopt;  // the whole line wins
    if (!call && AliasNames[i] == name)
      call = Call{AliasTargets[i], TrimSpaces(line.substr(space + 1))};
  }
  return call;
}

bool LoadAliases(AliasTable& table, Files& files) {
  const std::string path = files.ReadPathOf(kAliasesFile);
  table.Unloaded = std::string();
  if (!files.IsFile(path)) {
    table.Reset(1);
    return true;
  }
  table.Reset(0);
  const std::optional<std::string> bytes = files.Read(path);
  if (!bytes) {
    table.Unloaded.reset();
    return false;
  }
  bool good = true;
  ForEachLine(*bytes, [&](std::string_view line) {
    const auto separator = line.find(kSeparator);
    if (separator == std::string_view::npos || table.Count() == AliasTable::kMaxRows) {
      // Lines from here on are not loaded; a save keeps them as they are.
      table.Unloaded = bytes->substr(static_cast<std::size_t>(line.data() - bytes->data()));
      good = separator != std::string_view::npos;  // past the limit, the load still succeeds
      return false;
    }
    table.AliasNames.emplace_back(line.substr(0, separator));
    table.AliasTargets.emplace_back(line.substr(separator + 1));
    return true;
  });
  return good;
}

bool SaveAliases(const AliasTable& table, Files& files) {
  if (!table.Unloaded) return false;  // never replace a file that could not be read
  std::string text;
  for (int i = 1; i <= table.Count(); ++i) {
    text += table.AliasNames[i];
    text += kSeparator;
    text += table.AliasTargets[i];
    text += "\r\n";
  }
  text += *table.Unloaded;
  return files.Replace(files.PathOf(kAliasesFile), text);
}

std::optional<std::string> AliasRowProblem(std::string_view name, std::string_view target) {
  if (name.find(kSeparator) != std::string_view::npos)
    return "An alias name cannot contain the character `.";
  if (name.find_first_of("\r\n") != std::string_view::npos ||
      target.find_first_of("\r\n") != std::string_view::npos)
    return "An alias cannot contain a line break.";
  return std::nullopt;
}
