#include "completion/Completion.h"

#include <algorithm>
#include <set>

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

bool SameChar(char a, char b, PathStyle style) {
  return style == PathStyle::Windows ? Lower(a) == Lower(b) : a == b;
}

bool StartsWith(std::string_view name, std::string_view prefix, PathStyle style) {
  return name.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), name.begin(),
                    [style](char a, char b) { return SameChar(a, b, style); });
}

bool IsSeparator(char c, PathStyle style) {
  return c == '/' || (style == PathStyle::Windows && c == '\\');
}

char SeparatorOf(PathStyle style) { return style == PathStyle::Windows ? '\\' : '/'; }

// Whether a path stands on its own: from the root, a drive or a server.
bool IsAbsolute(std::string_view path, PathStyle style) {
  if (style == PathStyle::Posix) return path.starts_with('/');
  return (path.size() >= 2 && path[1] == ':') || path.starts_with("\\\\") ||
         path.starts_with('\\') || path.starts_with('/');
}

// The folder that a word's folder part names, as the system reads it.
std::string FolderOf(std::string_view part, PathStyle style, Listings& listings) {
  if (IsAbsolute(part, style)) return std::string(part);
  if (style == PathStyle::Posix && (part == "~" || part.starts_with("~/")))
    return listings.HomeFolder() + std::string(part.substr(1));
  std::string folder = listings.StartFolder();
  if (!part.empty()) {
    folder += SeparatorOf(style);
    folder += part;
  }
  return folder;
}

struct Fit {
  std::string Name;
  bool Folder;
};

}  // namespace

std::string CommonBeginning(const std::vector<std::string>& names, PathStyle style) {
  if (names.empty()) return std::string();
  std::size_t length = names[0].size();
  for (const std::string& name : names) {
    std::size_t same = 0;
    while (same < length && same < name.size() && SameChar(names[0][same], name[same], style))
      ++same;
    length = same;
  }
  return names[0].substr(0, length);
}

std::optional<TabCompletion> CompleteAtCursor(std::string_view line, std::size_t cursor,
                                              PathStyle style,
                                              const std::vector<std::string>& aliasNames,
                                              Listings& listings) {
  cursor = std::min(cursor, line.size());
  const CommandWord word = WordAtCursor(line, cursor, style);
  const std::string& text = word.Text;

  // The word's folder part, up to its last separator, and the beginning of a name after it.
  std::size_t cut = text.size();
  while (cut > 0 && !IsSeparator(text[cut - 1], style)) --cut;
  const std::string_view part(text.data(), cut);
  const std::string_view prefix = std::string_view(text).substr(cut);

  std::vector<Fit> fits;
  std::set<std::string> seen;
  const auto add = [&](std::string_view name, bool folder) {
    if (!StartsWith(name, prefix, style)) return;
    std::string word = std::string(part) + std::string(name);
    if (seen.insert(word).second) fits.push_back({std::move(word), folder});
  };
  if (style == PathStyle::Posix && text == "~") {
    add("~", true);  // the home folder itself
  } else {
    if (word.First && !LooksLikePath(text, style)) {
      for (const std::string& name : aliasNames)
        if (!name.empty()) add(name, false);
      for (const std::string& name : listings.Programs()) add(name, false);
    }
    // Hidden entries only when the name asks for them, as shells do.
    const bool hidden = prefix.starts_with('.');
    for (const FolderEntry& entry : listings.Folder(FolderOf(part, style, listings)))
      if (hidden || !entry.Name.starts_with('.')) add(entry.Name, entry.Folder);
  }
  if (fits.empty()) return std::nullopt;

  std::vector<std::string> names;
  for (const Fit& fit : fits) names.push_back(fit.Name);
  std::sort(names.begin(), names.end());
  const auto replaced = [&](const std::string& written) {
    TabCompletion done;
    done.Line = std::string(line.substr(0, word.Start)) + written;
    done.Cursor = done.Line.size();
    done.Line += line.substr(cursor);
    return done;
  };
  // A whole name is followed by the folder separator for a folder, a space for anything else.
  const auto whole = [&](const Fit& fit) {
    return fit.Folder ? replaced(QuotedWord(fit.Name, style, true) + SeparatorOf(style))
                      : replaced(QuotedWord(fit.Name, style) + ' ');
  };
  if (fits.size() == 1) return whole(fits[0]);
  // Without case, the letters come from a name written as typed, else from the names where
  // they agree, else the typed ones stay.
  std::vector<std::string> ordered = names;
  const auto asTyped = std::find_if(ordered.begin(), ordered.end(), [&](const std::string& name) {
    return name.starts_with(text);
  });
  if (asTyped != ordered.end()) std::iter_swap(ordered.begin(), asTyped);
  std::string common = CommonBeginning(ordered, style);
  if (asTyped == ordered.end() &&
      std::any_of(ordered.begin(), ordered.end(),
                  [&](const std::string& name) { return !name.starts_with(common); }))
    common.replace(0, text.size(), text);
  if (common.size() > text.size()) return replaced(QuotedWord(common, style, true));
  std::sort(fits.begin(), fits.end(), [](const Fit& a, const Fit& b) { return a.Name < b.Name; });
  TabCompletion choices;
  choices.Line = std::string(line);
  choices.Cursor = cursor;
  for (const Fit& fit : fits) choices.Choices.push_back({fit.Name, whole(fit).Line});
  return choices;
}
