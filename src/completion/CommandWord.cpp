#include "completion/CommandWord.h"

#include <algorithm>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// What ends a word and starts the next command in an interpreter line (; | & and an opening
// parenthesis), or its next file (a redirection).
enum class Operator { None, Command, File };
Operator OperatorOf(char c, PathStyle style) {
  switch (c) {
    case '|':
    case '&':
    case '(':
      return Operator::Command;
    case ';':
      return style == PathStyle::Posix ? Operator::Command : Operator::None;
    case '<':
    case '>':
      return Operator::File;
    default:
      return Operator::None;
  }
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Characters a POSIX shell reads as themselves anywhere in a word; bytes of other scripts too.
bool IsPlainPosix(char c) {
  return IsLetter(c) || (c >= '0' && c <= '9') || static_cast<unsigned char>(c) >= 0x80 ||
         std::string_view("_@%+=:,./-").find(c) != std::string_view::npos;
}

// Characters for which the Windows command interpreter wants a name in quotes.
bool NeedsWindowsQuotes(char c) {
  return IsBlank(c) || std::string_view("&()[]{}^=;!'+,`~").find(c) != std::string_view::npos;
}

}  // namespace

CommandWord WordAtCursor(std::string_view line, std::size_t cursor, PathStyle style) {
  cursor = std::min(cursor, line.size());
  const bool interpreter = !line.empty() && line.front() == '%';
  CommandWord word;
  word.Start = interpreter ? 1 : 0;
  bool commandSeen = false;  // a word before this one names the command of its part
  bool inWord = false;
  char quote = 0;
  const auto next = [&](std::size_t start, bool command) {
    word = CommandWord{start, std::string(), false, false};
    commandSeen = command;
    inWord = false;
  };
  for (std::size_t i = word.Start; i < cursor; ++i) {
    const char c = line[i];
    if (quote) {
      if (c == quote) {
        quote = 0;
      } else if (quote == '"' && style == PathStyle::Posix && c == '\\' && i + 1 < cursor &&
                 std::string_view("\"\\$`").find(line[i + 1]) != std::string_view::npos) {
        word.Text += line[++i];
      } else {
        word.Text += c;
      }
      continue;
    }
    const Operator op = interpreter ? OperatorOf(c, style) : Operator::None;
    if (IsBlank(c) || op != Operator::None) {
      next(i + 1,
           op == Operator::Command ? false : (op == Operator::File || commandSeen || inWord));
      continue;
    }
    inWord = true;
    if (c == '"' || (c == '\'' && style == PathStyle::Posix)) {
      quote = c;
    } else if (c == '\\' && style == PathStyle::Posix && i + 1 < cursor) {
      word.Text += line[++i];
    } else {
      word.Text += c;
    }
  }
  word.First = !commandSeen;
  word.Open = quote != 0;
  return word;
}

bool LooksLikePath(std::string_view word, PathStyle style) {
  if (style == PathStyle::Windows) {
    if (word.size() >= 3 && IsLetter(word[0]) && word[1] == ':' &&
        (word[2] == '\\' || word[2] == '/'))
      return true;
    return word.find_first_of("\\/") != std::string_view::npos;
  }
  return word.find('/') != std::string_view::npos || word == "~";
}

std::string QuotedWord(std::string_view name, PathStyle style, bool open) {
  if (style == PathStyle::Windows) {
    if (!name.empty() && std::none_of(name.begin(), name.end(), NeedsWindowsQuotes))
      return std::string(name);
    std::string quoted = "\"";
    quoted += name;
    if (!open) quoted += '"';
    return quoted;
  }
  // The home folder's "~" is read as the home folder only outside quotes.
  const std::string_view home = name.substr(0, name == "~" || name.starts_with("~/") ? 2 : 0);
  const std::string_view rest = name.substr(home.size());
  std::string quoted(home);
  if (!name.empty() && std::all_of(rest.begin(), rest.end(), IsPlainPosix)) {
    quoted += rest;
    return quoted;
  }
  quoted += '\'';
  for (const char c : rest) {
    if (c == '\'')
      quoted += "'\\''";
    else
      quoted += c;
  }
  quoted += '\'';
  return quoted;
}
