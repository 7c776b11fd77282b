#pragma once

#include <string>

#include "platform/Files.h"

// The program's files on a Windows file system, in one directory; paths are bytes in the
// system code page.
class Win32Files : public Files {
 public:
  explicit Win32Files(std::string directory) : directory_(std::move(directory)) {}
  // The folder of the running exe.
  static std::string ProgramDirectory();

  std::string PathOf(std::string_view name) const override;
  bool IsFile(const std::string& path) override;
  std::optional<std::string> Read(const std::string& path) override;
  bool Replace(const std::string& path, std::string_view contents) override;

 private:
  std::string directory_;
};
