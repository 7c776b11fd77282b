#pragma once

#include <string>

#include "platform/Files.h"

// The program's files on a POSIX file system, in one directory.
class PosixFiles : public Files {
 public:
  explicit PosixFiles(std::string directory) : PosixFiles(directory, directory) {}
  // shipped: the executable's folder, where copies of the files may have come with the program.
  PosixFiles(std::string directory, std::string shipped)
      : directory_(std::move(directory)), shipped_(std::move(shipped)) {}
  // Where aliases.cfg and the history files live: the executable's folder when it is writable
  // (a portable copy keeps its files beside it), otherwise <configDirectory>/VellCmdLine.
  // Nothing is created here: a second start must not write anything.
  static std::string ProgramDirectory(const std::string& executableDirectory,
                                      const std::string& configDirectory);

  std::string PathOf(std::string_view name) const override;
  std::string ShippedPathOf(std::string_view name) const override;
  bool IsFile(const std::string& path) override;
  std::optional<std::string> Read(const std::string& path) override;
  // A symbolic link stays a link: the file at the end of its chain is what gets replaced.
  bool Replace(const std::string& path, std::string_view contents) override;

 protected:
  // The steps of a replacement, one system call each, so that tests can make any of them fail.
  // CreateTemporary fills in the template's XXXXXX with a name no file has and returns a new
  // file's descriptor, open for writing with the mode 0666 less the umask; or -1.
  virtual int CreateTemporary(std::string& pathTemplate);
  virtual bool Write(int fd, std::string_view bytes);
  virtual bool Flush(int fd);
  virtual bool Close(int fd);
  virtual bool Rename(const std::string& from, const std::string& to);
  virtual bool Delete(const std::string& path);

 private:
  std::string directory_;
  std::string shipped_;
};
