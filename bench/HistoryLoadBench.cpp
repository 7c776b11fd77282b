// Loading a full history.cfg and a permhist.cfg, half of whose lines are already in the
// history, against a plain loop that reads the same two files into a vector of strings; and
// narrowing a full history of 40-byte entries as a line is typed, one keystroke at a time.
// Run: make bench. The ratio of the two loads and the time per keystroke are printed at the end.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "data/History.h"
#include "data/Narrowing.h"
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

// Each keystroke of a typed line narrows the whole list anew: one iteration is one keystroke.
void NarrowFullHistoryPerKeystroke(benchmark::State& state) {
  History list;
  for (std::size_t i = 0; list.size() < History::kMaxEntries; ++i) {
    std::string entry = "C:\\Tools\\Build " + std::to_string(i) + "\\run.exe --Verbose ";
    entry.resize(40, static_cast<char>('a' + i % 26));
    list.Append(entry);
  }
  const std::string line = "tools\\build 1234\\RUN";
  Narrowing shown(list);
  std::size_t typed = 0;
  for (auto _ : state) {
    typed = typed % line.size() + 1;
    shown.Narrow(std::string_view(line).substr(0, typed));
    benchmark::DoNotOptimize(shown.size());
  }
}
BENCHMARK(NarrowFullHistoryPerKeystroke)->Unit(benchmark::kMillisecond);

// Prints the ratio of the history load to the plain read, and the time per keystroke.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration) continue;
      const std::string name = run.benchmark_name();
      if (name == "LoadBothHistories") load_ = run.GetAdjustedRealTime();
      if (name == "PlainReadIntoVector") plain_ = run.GetAdjustedRealTime();
      if (name == "NarrowFullHistoryPerKeystroke") keystroke_ = run.GetAdjustedRealTime();
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    if (plain_ > 0)
      std::cout << "history load / plain read: " << load_ / plain_ << " (target: at most 3)\n";
    if (keystroke_ > 0)
      std::cout << "narrowing 32,767 entries: " << keystroke_
                << " ms per keystroke (target: at most 5)\n";
  }

 private:
  double load_ = 0;
  double plain_ = 0;
  double keystroke_ = 0;
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
