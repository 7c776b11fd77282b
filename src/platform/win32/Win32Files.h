#pragma once

#include <string>

#include "platform/Files.h"

// The program's files on a Windows file system, in one directory; paths are bytes in the
// system code page.
class Win32Files : public Files {
 public:
  explicit Win32Files(std::string directory) : Win32Files(directory, directory) {}
  // shipped: the exe's folder, where copies of the files may have come with the program.
  Win32Files(std::string directory, std::string shipped)
      : directory_(std::move(directory)), shipped_(std::move(shipped)) {}
  // Where aliases.cfg and the history files live: the folder of the running exe when this user
  // can write there (a portable copy keeps its files beside it), otherwise %APPDATA%\VellCmdLine.
  static std::string ProgramDirectory();
  // The same choice between the given folders. Only the exe's folder is touched: a uniquely
  // named file is created there and deleted again, since ACLs, not attributes, decide on Windows.
  static std::string ProgramDirectory(const std::string& exeDirectory,
                                      const std::string& appDataDirectory);
  // The folder of the running exe.
  static std::string ExeDirectory();

  std::string PathOf(std::string_view name) const override;
  std::string ShippedPathOf(std::string_view name) const override;
  bool IsFile(const std::string& path) override;
  std::optional<std::string> Read(const std::string& path) override;
  bool Replace(const std::string& path, std::string_view contents) override;

 private:
  std::string directory_;
  std::string shipped_;
};
