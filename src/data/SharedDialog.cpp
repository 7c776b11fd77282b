#include "data/SharedDialog.h"

void SharedDialog::ShowOpen() {
  if (auto chosen = dialog_.ShowOpen(Filter, FileName)) FileName = std::move(*chosen);
}

bool SharedDialog::ShowColor() {
  const auto chosen = dialog_.ShowColor(Color);
  if (!chosen) return false;
  Color = *chosen;
  return true;
}

namespace {
std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const auto end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}
}  // namespace

std::vector<FileFilter> ParseFilter(std::string_view filter) {
  std::vector<FileFilter> filters;
  const auto parts = Split(filter, '|');
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    FileFilter entry{std::string(parts[i]), {}};
    for (const auto pattern : Split(parts[i + 1], ';'))
      if (!pattern.empty()) entry.Patterns.emplace_back(pattern);
    filters.push_back(std::move(entry));
  }
  return filters;
}
