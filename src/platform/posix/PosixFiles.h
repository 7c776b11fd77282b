#pragma once

#include <string>

#include "platform/Files.h"

// The program's files on a POSIX file system, in one directory.
class PosixFiles : public Files {
 public:
  explicit PosixFiles(std::string directory) : directory_(std::move(directory)) {}

  std::string PathOf(std::string_view name) const override;
  bool IsFile(const std::string& path) override;
  std::optional<std::string> Read(const std::string& path) override;
  bool Replace(const std::string& path, std::string_view contents) override;

 private:
  std::string directory_;
};
