#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The platform's file-open and colour dialogs, each shown modally. The state kept between
// uses lives in the core (SharedDialog); these calls only show a dialog.
class CommonDialog {
 public:
  virtual ~CommonDialog() = default;
  // filter: "Description|patterns|Description|patterns...". Returns the chosen full path, or
  // nothing when the user cancelled.
  virtual std::optional<std::string> ShowOpen(const std::string& filter,
                                              const std::string& initialFile) = 0;
  // Returns the chosen colour as 0x00BBGGRR, or nothing when the user cancelled.
  virtual std::optional<std::uint32_t> ShowColor(std::uint32_t initial) = 0;
};
