#include <gtest/gtest.h>

#include "commandwindow/Dispatch.h"

namespace {

struct FormCase {
  const char* name;
  friend void PrintTo(const FormCase& c, std::ostream* os) { *os << c.name; }
  std::string command;
  std::string file, parameters;
  bool interpreter;
};

class FormShellRequestTest : public testing::TestWithParam<FormCase> {};

TEST_P(FormShellRequestTest, splitsFileAndParameters) {
  const auto& c = GetParam();
  const ShellRequest request = FormShellRequest(c.command);
  EXPECT_EQ(request.File, c.file);
  EXPECT_EQ(request.Parameters, c.parameters);
  EXPECT_EQ(request.Interpreter, c.interpreter);
  EXPECT_EQ(request.ShowCommand, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FormShellRequestTest,
    testing::Values(
        FormCase{"plainIsOneFileName", "notepad readme.txt", "notepad readme.txt", "", false},
        FormCase{"commandSlashCIsPlain", "COMMAND /C dir", "COMMAND /C dir", "", false},
        FormCase{"percent", "%dir c:\\", "command", " /C dir c:\\", true},
        FormCase{"percentAlone", "%", "command", " /C ", true},
        FormCase{"percentKeepsSpaces", "%  echo  ", "command", " /C   echo  ", true},
        FormCase{"quoted", "\"C:\\Program Files\\Tool\\tool.exe\" -v x.txt",
                 "C:\\Program Files\\Tool\\tool.exe", "-v x.txt", false},
        FormCase{"quotedFileIsTrimmed", "\" tool.exe\"", "tool.exe", "", false},
        FormCase{"quotedParametersAreTrimmed", "\"a\"   b  ", "a", "b", false},
        FormCase{"noClosingQuote", "\"C:\\Tools\\tool.exe", "C:\\Tools\\tool.exe", "", false},
        FormCase{"noClosingQuoteKeepsSpaces", "\" a b ", " a b ", "", false},
        FormCase{"twoLeadingQuotesKeepTheSecond", "\"\"a\" b", "\"a", "b", false},
        FormCase{"twoLeadingQuotesAlone", "\"\"abc", "\"abc", "", false},
        FormCase{"quoteAlone", "\"", "", "", false},
        FormCase{"twoQuotesAlone", "\"\"", "\"", "", false}),
    [](const auto& info) { return info.param.name; });

TEST(ShellFailureMessage, notFoundKeepsItsOwnText) {
  EXPECT_EQ(ShellFailureMessage(2),
            "This command was not found\r\n\r\nIf you wish to run a DOS system command, "
            "preclude it with COMMAND /C or the symbol %");
}

TEST(ShellFailureMessage, otherFailuresSayWhyInPlainWords) {
  const std::pair<int, const char*> cases[] = {
      {3, "This command could not be run: a folder in its path was not found."},
      {5, "This command could not be run: access was denied."},
      {31, "This command could not be run: no application is associated with this file."},
      {0, "This command could not be run: the system is out of memory or resources."},
      {17, "This command could not be run: the system reported error 17."},
  };
  for (const auto& [code, text] : cases) EXPECT_EQ(ShellFailureMessage(code), text) << code;
}

}  // namespace
