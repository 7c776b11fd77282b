#include "platform/posix/UserHome.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

void SetHomeWhenUnset() {
  if (const char* home = std::getenv("HOME"); home && *home) return;
  if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir && *user->pw_dir)
    ::setenv("HOME", user->pw_dir, 1);
}
