#pragma once

#include <string>
#include <string_view>
#include <vector>

// Removes the space character (32) only, at both ends; tabs stay.
std::string_view TrimSpaces(std::string_view text);

// Calls visit(line) for each line of a file's bytes, in order, until it returns false. CR LF, a
// lone CR or a lone LF ends a line, and a last line without an end counts. The views point into
// the bytes; no line is copied.
template <typename Visit>
void ForEachLine(std::string_view bytes, Visit visit) {
  std::size_t start = 0;
  while (start < bytes.size()) {
    const auto end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      visit(bytes.substr(start));
      return;
    }
    const bool crLf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
    if (!visit(bytes.substr(start, end - start))) return;
    start = end + (crLf ? 2 : 1);
  }
}

// Each line followed by CR LF.
template <typename Lines>
std::string JoinLines(const Lines& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += std::string_view(line).size() + 2;
  std::string out;
  out.reserve(size);
  for (const auto& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

// Makes an edited text of the command box one line that shows all it holds. A line break before
// the cursor cuts the text from there to the cursor (the rest of what was inserted goes, the
// text after the cursor stays); one at or after the cursor cuts to the end. No other control
// character below 32 but tab remains, and the cursor follows. Bytes and UTF-16 alike.
template <typename String>
void KeepOneLine(String& text, std::size_t& cursor) {
  std::size_t kept = 0, keptBeforeCursor = 0;
  bool cutting = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == cursor) {
      cutting = false;
      keptBeforeCursor = kept;
    }
    const auto c = text[i];
    if (c == '\r' || c == '\n') cutting = true;
    if (cutting || (static_cast<unsigned>(c) < 32 && c != '\t')) continue;
    text[kept++] = c;
  }
  cursor = cursor >= text.size() ? kept : keptBeforeCursor;
  text.resize(kept);
}

// Compares after upper-casing the text; only the letters a to z change case.
bool EqualsUpper(std::string_view text, std::string_view upperWord);
