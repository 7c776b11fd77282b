#include "platform/qt/ProgramDirectory.h"

#include <unistd.h>

#include "data/Application.h"

std::string ProgramDirectory(const std::string& executableDirectory,
                             const std::string& configDirectory) {
  if (::access(executableDirectory.c_str(), W_OK) == 0) return executableDirectory;
  return configDirectory + '/' + kApplicationName;
}
