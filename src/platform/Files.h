#pragma once

#include <optional>
#include <string>
#include <string_view>

// The folder of a path: the part before its last separator, the separator kept for a root;
// "." when it has none. separators: "/", or "\\/" for Windows paths.
inline std::string DirectoryOf(const std::string& path, std::string_view separators = "/") {
  const auto slash = path.find_last_of(separators);
  if (slash == std::string::npos) return ".";
  return path.substr(0, slash == 0 ? 1 : slash);
}

// The file system as the program uses it: whole files of bytes in the program directory.
class Files {
 public:
  virtual ~Files() = default;
  // The full path of a file in the program directory, in the platform's own form: where the
  // program writes it.
  virtual std::string PathOf(std::string_view name) const = 0;
  // The full path of a file beside the program itself, where a copy may have come with it; the
  // same as PathOf unless the program's own folder cannot be written.
  virtual std::string ShippedPathOf(std::string_view name) const = 0;
  // Where a file is read from: the program directory's copy, or while there is none, the copy
  // beside the program.
  std::string ReadPathOf(std::string_view name) {
    std::string path = PathOf(name);
    if (IsFile(path)) return path;
    std::string shipped = ShippedPathOf(name);
    return IsFile(shipped) ? shipped : path;
  }
  // True when the path names an ordinary file (not a directory, not hidden or system).
  virtual bool IsFile(const std::string& path) = 0;
  // The file's bytes, or nothing when it cannot be opened or read.
  virtual std::optional<std::string> Read(const std::string& path) = 0;
  // Replaces the file atomically: a temporary file beside it is written and flushed, then
  // renamed over it. On false the old file is still there, whole.
  virtual bool Replace(const std::string& path, std::string_view contents) = 0;
};
