#include <gtest/gtest.h>

#include "commandwindow/Dispatch.h"

namespace {

struct FormCase {
  const char* name;
  friend void PrintTo(const FormCase& c, std::ostream* os) { *os << c.name; }
  std::string command;
  std::string file, parameters;
  std::optional<std::string> interpreterLine;
};

class FormShellRequestTest : public testing::TestWithParam<FormCase> {};

TEST_P(FormShellRequestTest, splitsFileAndParameters) {
  const auto& c = GetParam();
  const ShellRequest request = FormShellRequest(c.command);
  EXPECT_EQ(request.File, c.file);
  EXPECT_EQ(request.Parameters, c.parameters);
  EXPECT_EQ(request.InterpreterLine, c.interpreterLine);
  EXPECT_EQ(request.ShowCommand, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FormShellRequestTest,
    testing::Values(
        FormCase{"plainIsOneFileName", "notepad readme.txt", "notepad readme.txt", "",
                 std::nullopt},
        FormCase{"commandSlashCIsPlain", "COMMAND /C dir", "COMMAND /C dir", "", std::nullopt},
        FormCase{"percent", "%dir c:\\", "command", " /C dir c:\\", "dir c:\\"},
        FormCase{"percentAlone", "%", "command", " /C ", ""},
        FormCase{"percentKeepsSpaces", "%  echo  ", "command", " /C   echo  ", "  echo  "},
        FormCase{"quoted", "\"C:\\Program Files\\Tool\\tool.exe\" -v x.txt",
                 "C:\\Program Files\\Tool\\tool.exe", "-v x.txt", std::nullopt},
        FormCase{"quotedFileIsTrimmed", "\" tool.exe\"", "tool.exe", "", std::nullopt},
        FormCase{"quotedParametersAreTrimmed", "\"a\"   b  ", "a", "b", std::nullopt},
        FormCase{"noClosingQuote", "\"C:\\Tools\\tool.exe", "C:\\Tools\\tool.exe", "",
                 std::nullopt},
        FormCase{"noClosingQuoteKeepsSpaces", "\" a b ", " a b ", "", std::nullopt},
        FormCase{"twoLeadingQuotesKeepTheSecond", "\"\"a\" b", "\"a", "b", std::nullopt},
        FormCase{"twoLeadingQuotesAlone", "\"\"abc", "\"abc", "", std::nullopt},
        FormCase{"quoteAlone", "\"", "", "", std::nullopt},
        FormCase{"twoQuotesAlone", "\"\"", "\"", "", std::nullopt}),
    [](const auto& info) { return info.param.name; });

// Each platform advises its interpreter in its own words.
TEST(ShellFailureMessage, notFoundKeepsItsOwnText) {
  EXPECT_EQ(ShellFailureMessage({ShellOutcome::NotFound}, Platform::Windows),
            "This command was not found\r\n\r\nIf you wish to run a DOS system command, "
            "preclude it with COMMAND /C or the symbol %");
  EXPECT_EQ(ShellFailureMessage({ShellOutcome::NotFound}, Platform::Linux),
            "This command was not found\r\n\r\nIf you wish to run a shell command, precede it "
            "with the symbol %, which hands it to sh -c");
}

TEST(ShellFailureMessage, otherFailuresSayWhyInPlainWords) {
  const std::pair<ShellResult, const char*> cases[] = {
      {{ShellOutcome::PathNotFound},
       "This command could not be run: a folder in its path was not found."},
      {{ShellOutcome::AccessDenied}, "This command could not be run: access was denied."},
      {{ShellOutcome::NoAssociation},
       "This command could not be run: no application is associated with this file."},
      {{ShellOutcome::OutOfResources},
       "This command could not be run: the system is out of memory or resources."},
      {{ShellOutcome::Failed, 17}, "This command could not be run: the system reported error 17."},
      {{ShellOutcome::TooLong},
       "This command could not be run: it is longer than the system passes to a program whole."},
  };
  for (const auto& [result, text] : cases)
    EXPECT_EQ(ShellFailureMessage(result, Platform::Linux), text) << result.Code;
}

}  // namespace
