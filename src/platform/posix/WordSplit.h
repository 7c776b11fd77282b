#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splits a parameter string into words as a POSIX shell splits them: blanks separate words,
// single quotes keep everything, double quotes keep everything but \" \\ \$ \` and a backslash
// outside quotes keeps the next character. Nothing is expanded. An unclosed quote runs to the
// end of the text.
std::vector<std::string> SplitWords(std::string_view text);
