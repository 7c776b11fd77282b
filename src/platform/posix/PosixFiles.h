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

 protected:
  // The steps of a replacement, one system call each, so that tests can make any of them fail.
  // CreateTemporary fills in the template's XXXXXX and returns a descriptor, or -1.
  virtual int CreateTemporary(std::string& pathTemplate);
  virtual bool Write(int fd, std::string_view bytes);
  virtual bool Flush(int fd);
  virtual bool Close(int fd);
  virtual bool Rename(const std::string& from, const std::string& to);
  virtual bool Delete(const std::string& path);

 private:
  std::string directory_;
};
