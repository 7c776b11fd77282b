#include "platform/posix/WordSplit.h"

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
}  // namespace

std::vector<std::string> SplitWords(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;  // quotes make a word even when they hold nothing
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (IsBlank(c)) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
      continue;
    }
    inWord = true;
    if (c == '\'') {
      const auto close = text.find('\'', i + 1);
      const auto end = close == std::string_view::npos ? text.size() : close;
      word.append(text.substr(i + 1, end - i - 1));
      i = end;
    } else if (c == '"') {
      for (++i; i < text.size() && text[i] != '"'; ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
          const char next = text[i + 1];
          if (next == '"' || next == '\\' || next == '$' || next == '`') {
            word += next;
            ++i;
            continue;
          }
          if (next == '\n') {
            ++i;
            continue;
          }
        }
        word += text[i];
      }
    } else if (c == '\\' && i + 1 < text.size()) {
      if (text[i + 1] != '\n') word += text[i + 1];
      ++i;
    } else {
      word += c;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}
