#include <gtest/gtest.h>

#include "platform/win32/Win32CommonDialog.h"

namespace {

TEST(Win32CommonDialog, FilterForDialog_allFourFiltersEndedByTwoZeros) {
  const std::string expected(
      "All Files\0*.*\0Executable Files\0*.exe;*.com;*.bat\0Batch Files\0*.bat\0"
      "Screen Savers\0*.scr\0\0",
      88);
  EXPECT_EQ(Win32CommonDialog::FilterForDialog({{"All Files", {"*.*"}},
                                                 {"Executable Files", {"*.exe", "*.com", "*.bat"}},
                                                 {"Batch Files", {"*.bat"}},
                                                 {"Screen Savers", {"*.scr"}}}),
            expected);
}

}  // namespace
