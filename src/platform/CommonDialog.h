#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One entry of the file-open dialog's list of filters.
struct FileFilter {
  std::string Description;
  std::vector<std::string> Patterns;  // such as "*.exe"; "*.*" is every file
  friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

// The platform's file-open and colour dialogs, each shown modally. The state kept between
// uses lives in the core (SharedDialog); these calls only show a dialog.
class CommonDialog {
 public:
  virtual ~CommonDialog() = default;
  // Shows the filters in order, the first chosen. Returns the chosen full path, or nothing when
  // the user cancelled.
  virtual std::optional<std::string> ShowOpen(const std::vector<FileFilter>& filters,
                                              const std::string& initialFile) = 0;
  // Returns the chosen colour as 0x00BBGGRR, or nothing when the user cancelled.
  virtual std::optional<std::uint32_t> ShowColor(std::uint32_t initial) = 0;
};
