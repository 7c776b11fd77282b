#include "platform/posix/PosixShell.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <utility>

#include "platform/Files.h"
#include "platform/posix/Descriptor.h"
#include "platform/posix/WordSplit.h"

namespace {

ShellOutcome OutcomeOf(int error) {
  static constexpr std::pair<int, ShellOutcome> kOutcomes[] = {
      {ENOENT, ShellOutcome::NotFound},      {ENOTDIR, ShellOutcome::PathNotFound},
      {EACCES, ShellOutcome::AccessDenied},  {EPERM, ShellOutcome::AccessDenied},
      {ENOMEM, ShellOutcome::OutOfMemory},   {E2BIG, ShellOutcome::TooLong},
      {ENAMETOOLONG, ShellOutcome::TooLong}, {ENOEXEC, ShellOutcome::NotAProgram},
      {ELIBBAD, ShellOutcome::NotAProgram},  {ETXTBSY, ShellOutcome::InUse},
  };
  for (const auto& [number, outcome] : kOutcomes)
    if (number == error) return outcome;
  return ShellOutcome::OutOfResources;
}

// "scheme:" with a scheme of two letters or more, so that a drive-like "c:" stays a file.
bool IsUrl(const std::string& text) {
  const auto colon = text.find(':');
  if (colon == std::string::npos || colon < 2) return false;
  for (std::size_t i = 0; i < colon; ++i) {
    const char c = text[i];
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!letter && (i == 0 || !((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.')))
      return false;
  }
  return true;
}

}  // namespace

std::string FindOnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string_view dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
  while (true) {
    const auto colon = dirs.find(':');
    const std::string_view dir = dirs.substr(0, colon);
    std::string candidate(dir.empty() ? std::string_view(".") : dir);
    candidate += '/';
    candidate += name;
    struct stat info;
    if (::stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        ::access(candidate.c_str(), X_OK) == 0)
      return candidate;
    if (colon == std::string_view::npos) return std::string();
    dirs.remove_prefix(colon + 1);
  }
}

ShellResult PosixShell::Execute(const ShellRequest& request) {
  if (request.InterpreterLine) return Spawn({"/bin/sh", "-c", *request.InterpreterLine});
  const std::string& file = request.File;
  if (file.empty()) return {ShellOutcome::NotFound};
  if (IsUrl(file)) return Open(file);

  std::string path;
  if (file.find('/') != std::string::npos) {
    path = file.front() == '/' ? file : home_ + '/' + file;
  } else if (std::string program = FindOnPath(file); !program.empty()) {
    path = std::move(program);
  } else {
    path = home_ + '/' + file;
  }

  struct stat info;
  if (::stat(path.c_str(), &info) != 0) {
    const int error = errno;
    if (error == ENOENT && ::access(DirectoryOf(path).c_str(), F_OK) != 0)
      return {ShellOutcome::PathNotFound};
    return {OutcomeOf(error)};
  }
  if (S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0) {
    std::vector<std::string> argv{path};
    for (std::string& word : SplitWords(request.Parameters)) argv.push_back(std::move(word));
    return Spawn(argv);
  }
  return Open(path);
}

ShellResult PosixShell::Open(const std::string& target) {
  const std::string opener = FindOnPath("xdg-open");
  if (opener.empty()) return {ShellOutcome::NoAssociation};
  return Spawn({opener, target});
}

// Forks twice so that the program belongs to no one here (no zombie is left, and it outlives
// the strip); a close-on-exec pipe brings back exec's error, or nothing once it has started.
ShellResult PosixShell::Spawn(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  const char* home = home_.c_str();

  int ends[2];
  if (::pipe2(ends, O_CLOEXEC) != 0) return {OutcomeOf(errno)};
  const Descriptor reader(ends[0]);
  Descriptor report(ends[1]);
  const pid_t child = ::fork();
  if (child == 0) {
    // Only async-signal-safe calls from here on: the parent has threads.
    ::setsid();
    const pid_t program = ::fork();
    if (program != 0) {
      if (program < 0) {
        const int error = errno;
        (void)!::write(report.get(), &error, sizeof error);
      }
      ::_exit(0);
    }
    (void)!::chdir(home);
    const int null = ::open("/dev/null", O_RDWR);
    if (null >= 0) {
      ::dup2(null, 0);
      ::dup2(null, 1);
      ::dup2(null, 2);
      if (null > 2) ::close(null);
    }
    ::close_range(3, ~0u, CLOSE_RANGE_CLOEXEC);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::signal(SIGPIPE, SIG_DFL);
    ::execv(args[0], args.data());
    const int error = errno;
    (void)!::write(report.get(), &error, sizeof error);
    ::_exit(127);
  }
  report.reset();
  if (child < 0) return {OutcomeOf(errno)};
  while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t got;
  while ((got = ::read(reader.get(), &error, sizeof error)) < 0 && errno == EINTR) {
  }
  if (got == sizeof error) return {OutcomeOf(error)};
  return {ShellOutcome::Started};
}
