// Writes "Top" = start, start + 1, ... to the settings under the given configuration folder,
// printing each number once its write has returned, until it is killed.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/qt/QtSettingsStore.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  QtSettingsStore store(QString::fromLocal8Bit(argv[1]));
  for (long value = std::atol(argv[2]);; ++value) {
    if (!store.Write("VellCmdLine", "Defaults", "Top", std::to_string(value))) return 1;
    std::printf("%ld\n", value);
    std::fflush(stdout);
  }
}
