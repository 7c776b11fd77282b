#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/Listings.h"

// The word of a command line that ends at the cursor, as the line's form reads it.
struct CommandWord {
  std::size_t Start = 0;  // where it begins in the line, an opening quote included
  std::string Text;       // up to the cursor, its quotes and escapes removed
  bool First = false;     // the command of the line (or of a part after ; | & in a "%" line)
  bool Open = false;      // the cursor is inside a quote that the word opened
};

// The word that ends at the cursor (a byte offset into the line; past its end means the end).
// A leading "%" is the interpreter's mark, not part of the first word.
CommandWord WordAtCursor(std::string_view line, std::size_t cursor, PathStyle style);

// Whether a word names a path rather than a command: /, ~/, ./, ../, a drive letter and :\, \\.
bool LooksLikePath(std::string_view word, PathStyle style);

// The name written so that the line reads it back as one word: as it is when nothing in it
// would split it, else in double quotes (Windows) or in single quotes that both /bin/sh and
// the plain form's word splitting read (POSIX). With open, a Windows quote is left open so that
// the word can grow (a folder's name), and a POSIX prefix of "~/" stays outside the quotes.
std::string QuotedWord(std::string_view name, PathStyle style, bool open = false);
