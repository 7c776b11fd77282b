#include "platform/posix/PosixFiles.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>

#include "data/Application.h"
#include "platform/posix/Descriptor.h"

namespace {

// The file a save replaces: the path itself, or where its chain of symbolic links ends (which
// need not exist yet). Nothing when the chain does not end.
std::optional<std::string> FinalTarget(std::string path) {
  for (int links = 0; links < 40; ++links) {
    struct stat info;
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::string target(256, '\0');
    for (;;) {
      const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
      if (length < 0) return std::nullopt;
      if (static_cast<std::size_t>(length) < target.size()) {
        target.resize(static_cast<std::size_t>(length));
        break;
      }
      target.resize(target.size() * 2);
    }
    // A relative link is relative to the folder that holds the link.
    path = !target.empty() && target.front() == '/' ? target : DirectoryOf(path) + '/' + target;
  }
  return std::nullopt;
}

// Six characters for a temporary name; O_EXCL, not these, is what makes the name unique.
void FillRandom(char* x) {
  static constexpr char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  unsigned char bytes[6];
  if (::getrandom(bytes, sizeof bytes, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bytes)) {
    static std::atomic<unsigned> counter;
    std::uint64_t seed =
        static_cast<std::uint64_t>(::getpid()) * 0x9E3779B97F4A7C15u ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        counter++;
    for (unsigned char& byte : bytes) byte = static_cast<unsigned char>(seed >>= 8);
  }
  for (std::size_t i = 0; i < sizeof bytes; ++i)
    x[i] = kAlphabet[bytes[i] % (sizeof kAlphabet - 1)];
}

// Faults a large buffer in with one call before it is filled: filling it would take a page fault
// for each page, which costs several times more on a virtual machine. Only a hint: a kernel
// without it leaves the faults to the filling.
void PrefaultForWrite(char* data, std::size_t size) {
#ifdef MADV_POPULATE_WRITE
  if (size < (std::size_t{1} << 16)) return;
  const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(data) & ~(page - 1);
  ::madvise(reinterpret_cast<void*>(start), reinterpret_cast<std::uintptr_t>(data) + size - start,
            MADV_POPULATE_WRITE);
#else
  (void)data;
  (void)size;
#endif
}

}  // namespace

std::string PosixFiles::ProgramDirectory(const std::string& executableDirectory,
                                         const std::string& configDirectory) {
  return ::ChooseProgramDirectory(
      executableDirectory, ::access(executableDirectory.c_str(), W_OK) == 0, configDirectory, '/');
}

std::string PosixFiles::PathOf(std::string_view name) const {
  std::string path = directory_;
  if (path.empty() || path.back() != '/') path += '/';
  path += name;
  return path;
}

std::string PosixFiles::ShippedPathOf(std::string_view name) const {
  return PosixFiles(shipped_).PathOf(name);
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
  std::string bytes;
  bytes.reserve(expected + 1);
  PrefaultForWrite(bytes.data(), bytes.capacity());
  bytes.resize(expected + 1);
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
  const std::optional<std::string> target = FinalTarget(path);
  if (!target) return false;
  std::string temporary = *target + ".XXXXXX";
  Descriptor file(CreateTemporary(temporary));
  if (!file) return false;
  // A new file has the mode the umask gives it; a replaced one keeps its own.
  struct stat old;
  const bool keepsMode = ::stat(target->c_str(), &old) == 0;
  const bool replaced = (!keepsMode || ::fchmod(file.get(), old.st_mode & 07777) == 0) &&
                        Write(file.get(), contents) && Flush(file.get()) && Close(file.release()) &&
                        Rename(temporary, *target);
  if (!replaced) {
    file.reset();
    Delete(temporary);
    return false;
  }
  // The rename itself reaches the disk only with its directory.
  Descriptor directory(::open(DirectoryOf(*target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.get() >= 0) ::fsync(directory.get());
  return true;
}

int PosixFiles::CreateTemporary(std::string& pathTemplate) {
  if (pathTemplate.size() < 6) return errno = EINVAL, -1;
  char* x = pathTemplate.data() + pathTemplate.size() - 6;
  for (int attempt = 0; attempt < 100; ++attempt) {
    FillRandom(x);
    const int fd =
        ::open(pathTemplate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
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
