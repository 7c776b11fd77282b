#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

// Removes the space character (32) only, at both ends; tabs stay.
std::string_view TrimSpaces(std::string_view text);
// Removes spaces and tabs at both ends.
std::string_view TrimBlanks(std::string_view text);

// Calls visit(line) for each line of a file's bytes, in order, until it returns false. CR LF, a
// lone CR or a lone LF ends a line, and a last line without an end counts. The views point into
// the bytes; no line is copied.
template <typename Visit>
void ForEachLine(std::string_view bytes, Visit visit) {
  if (bytes.empty()) return;
  const char* const end = bytes.data() + bytes.size();
  // The next CR and the next LF are each searched for on their own: find_first_of would make a
  // call for every byte of the file.
  const auto next = [end](const char* from, char c) {
    const void* found = std::memchr(from, c, static_cast<std::size_t>(end - from));
    return found ? static_cast<const char*>(found) : end;
  };
  const char* start = bytes.data();
  const char* cr = next(start, '\r');
  const char* lf = next(start, '\n');
  while (start < end) {
    if (cr < start) cr = next(start, '\r');
    if (lf < start) lf = next(start, '\n');
    const char* stop = std::min(cr, lf);
    if (stop == end) {
      visit(std::string_view(start, static_cast<std::size_t>(end - start)));
      return;
    }
    // The visitor may overwrite the line's end, so its length is taken first.
    const char* const following =
        stop + (*stop == '\r' && stop + 1 < end && stop[1] == '\n' ? 2 : 1);
    if (!visit(std::string_view(start, static_cast<std::size_t>(stop - start)))) return;
    start = following;
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

// A character the command box never holds: a control character but tab, or DEL.
template <typename Char>
constexpr bool IsDroppedControl(Char c) {
  return (static_cast<unsigned>(c) < 32 && c != '\t') || c == 0x7F;
}

// Makes an edited text of the command box one line that shows all it holds. A line break before
// the cursor cuts the text from there to the cursor (the rest of what was inserted goes, the
// text after the cursor stays); one at or after the cursor cuts to the end. No other dropped
// control character remains, and the cursor follows. Bytes and UTF-16 alike.
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
    if (cutting || IsDroppedControl(c)) continue;
    text[kept++] = c;
  }
  cursor = cursor >= text.size() ? kept : keptBeforeCursor;
  text.resize(kept);
}

// Compares after upper-casing the text; only the letters a to z change case.
bool EqualsUpper(std::string_view text, std::string_view upperWord);
