// Writes "Top" = start, start + 1, ... start + count - 1 to the settings under the given
// configuration folder, printing each number once its write has returned and letting the
// flush timer run between writes; then waits, with nothing more to write, until it is killed.
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/qt/QtSettingsStore.h"

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  QCoreApplication app(argc, argv);
  QtSettingsStore store(QString::fromLocal8Bit(argv[1]));
  const long start = std::atol(argv[2]);
  for (long value = start; value < start + std::atol(argv[3]); ++value) {
    if (!store.Write("VellCmdLine", "Defaults", "Top", std::to_string(value))) return 1;
    std::printf("%ld\n", value);
    std::fflush(stdout);
    QCoreApplication::processEvents();
  }
  return app.exec();
}
