// Loading a full history.cfg and a permhist.cfg, half of whose lines are already in the
// history, against a plain loop that reads the same two files into a vector of strings.
// Run: make bench. The ratio of the two times is printed at the end.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "data/History.h"
#include "platform/posix/PosixFiles.h"

namespace {

namespace fs = std::filesystem;

const fs::path& Directory() {
  static const fs::path dir = [] {
    fs::path d = fs::temp_directory_path() / ("vell-bench-" + std::to_string(::getpid()));
    fs::create_directories(d);
    std::ofstream history(d / "history.cfg", std::ios::binary);
    std::ofstream permanent(d / "permhist.cfg", std::ios::binary);
    for (std::size_t i = 0; i < History::kMaxEntries; ++i) {
      history << "\"C:\\Program Files\\Tool " << i << "\\tool.exe\" --option " << i << "\r\n";
      // Every other line is one the history holds already.
      const std::size_t n = i % 2 ? i : i + History::kMaxEntries;
      permanent << "\"C:\\Program Files\\Tool " << n << "\\tool.exe\" --option " << n << "\r\n";
    }
    return d;
  }();
  return dir;
}

void LoadBothHistories(benchmark::State& state) {
  PosixFiles files(Directory().string());
  for (auto _ : state) {
    History list;
    LoadHistory(list, files);
    LoadPermanentHistory(list, files);
    benchmark::DoNotOptimize(list.size());
  }
}
BENCHMARK(LoadBothHistories)->Unit(benchmark::kMillisecond);

void PlainReadIntoVector(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<std::string> lines;
    for (const char* name : {"history.cfg", "permhist.cfg"}) {
      std::ifstream in(Directory() / name, std::ios::binary);
      for (std::string line; std::getline(in, line);) lines.push_back(line);
    }
    benchmark::DoNotOptimize(lines.size());
  }
}
BENCHMARK(PlainReadIntoVector)->Unit(benchmark::kMillisecond);

// Prints the ratio of the history load to the plain read.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration) continue;
      (run.benchmark_name() == "LoadBothHistories" ? load_ : plain_) = run.GetAdjustedRealTime();
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    if (plain_ > 0)
      std::cout << "history load / plain read: " << load_ / plain_ << " (target: at most 3)\n";
  }

 private:
  double load_ = 0;
  double plain_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  fs::remove_all(Directory());
  return 0;
}
