#pragma once

#include <string>
#include <string_view>
#include <vector>

// Removes the space character (32) only, at both ends; tabs stay.
std::string_view TrimSpaces(std::string_view text);

// Calls visit(line) for each line of a file's bytes, in order, until it returns false. CR LF or
// a lone CR ends a line, a lone LF does not, and a last line without an end counts. The views
// point into the bytes; no line is copied.
template <typename Visit>
void ForEachLine(std::string_view bytes, Visit visit) {
  std::size_t start = 0;
  while (start < bytes.size()) {
    const auto cr = bytes.find('\r', start);
    if (cr == std::string_view::npos) {
      visit(bytes.substr(start));
      return;
    }
    if (!visit(bytes.substr(start, cr - start))) return;
    start = cr + 1;
    if (start < bytes.size() && bytes[start] == '\n') ++start;
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

// Compares after upper-casing the text; only the letters a to z change case.
bool EqualsUpper(std::string_view text, std::string_view upperWord);
