#include "platform/posix/PosixFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t NewFileMode(const std::string& path) {
  struct stat old;
  if (::stat(path.c_str(), &old) == 0) return old.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::string PosixFiles::PathOf(std::string_view name) const {
  std::string path = directory_;
  if (path.empty() || path.back() != '/') path += '/';
  path += name;
  return path;
}

bool PosixFiles::IsFile(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::string> PosixFiles::Read(const std::string& path) {
  Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) return std::nullopt;
  struct stat info;
  const std::size_t expected = ::fstat(file.get(), &info) == 0 && info.st_size > 0
                                   ? static_cast<std::size_t>(info.st_size)
                                   : 0;
  // Read straight into the result; one spare byte shows that the end was reached.
  std::string bytes(expected + 1, '\0');
  std::size_t used = 0;
  for (;;) {
    if (used == bytes.size()) bytes.resize(bytes.size() * 2);
    const ssize_t got = ::read(file.get(), bytes.data() + used, bytes.size() - used);
    if (got == 0) {
      bytes.resize(used);
      return bytes;
    }
    if (got < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    used += static_cast<std::size_t>(got);
  }
}

bool PosixFiles::Replace(const std::string& path, std::string_view contents) {
  std::string temporary = path + ".XXXXXX";
  const int fd = CreateTemporary(temporary);
  if (fd < 0) return false;
  bool closed = false;
  const bool replaced = ::fchmod(fd, NewFileMode(path)) == 0 && Write(fd, contents) && Flush(fd) &&
                        (closed = true, Close(fd)) && Rename(temporary, path);
  if (!replaced) {
    if (!closed) ::close(fd);
    Delete(temporary);
    return false;
  }
  // The rename itself reaches the disk only with its directory.
  Descriptor directory(::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.get() >= 0) ::fsync(directory.get());
  return true;
}

int PosixFiles::CreateTemporary(std::string& pathTemplate) {
  return ::mkostemp(pathTemplate.data(), O_CLOEXEC);
}

bool PosixFiles::Write(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool PosixFiles::Flush(int fd) { return ::fsync(fd) == 0; }

bool PosixFiles::Close(int fd) { return ::close(fd) == 0; }

bool PosixFiles::Rename(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}

bool PosixFiles::Delete(const std::string& path) { return ::unlink(path.c_str()) == 0; }
