// Completion against the real Linux listings in a temporary tree: Tab in a folder of 20,000
// entries, the index of 3,000 programs on PATH and 300 desktop entries, and a keystroke that
// narrows 32,767 history entries of 40 bytes and matches the candidates.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "completion/Candidates.h"
#include "completion/Completion.h"
#include "data/History.h"
#include "data/Narrowing.h"
#include "platform/posix/PosixListings.h"

namespace {

namespace fs = std::filesystem;

std::string Numbered(const char* prefix, int i, int width) {
  std::string number = std::to_string(i);
  return prefix + std::string(width - number.size(), '0') + number;
}

// The tree, made once: home/ with 20,000 files, bin/ with 3,000 programs, data/applications
// with 300 desktop entries; PATH and the XDG folders point into it.
struct Tree {
  fs::path root = fs::temp_directory_path() / ("vell-completion-" + std::to_string(::getpid()));
  Tree() {
    fs::create_directories(root / "home");
    fs::create_directories(root / "bin");
    fs::create_directories(root / "data/applications");
    for (int i = 0; i < 20000; ++i)
      std::ofstream(root / "home" / (Numbered("report-", i, 5) + ".txt"));
    for (int i = 0; i < 3000; ++i) {
      const fs::path program = root / "bin" / Numbered("tool-", i, 4);
      std::ofstream(program) << "#!/bin/sh\n";
      fs::permissions(program, fs::perms::owner_all);
    }
    for (int i = 0; i < 300; ++i)
      std::ofstream(root / "data/applications" / (Numbered("app-", i, 3) + ".desktop"))
          << "[Desktop Entry]\nType=Application\nName=Application " << i << "\nName[de]=Anwendung "
          << i << "\nExec=app-" << i << " %U\n";
    ::setenv("PATH", (root / "bin").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
    ::setenv("XDG_DATA_DIRS", (root / "none").c_str(), 1);
  }
  ~Tree() { fs::remove_all(root); }
};

const Tree& TheTree() {
  static const Tree tree;
  return tree;
}

void TabInAFolderOf20000(benchmark::State& state) {
  PosixListings listings((TheTree().root / "home").string());
  const std::string line = "%cat report-1234";
  for (auto _ : state) {
    auto done = CompleteAtCursor(line, line.size(), PathStyle::Posix, {}, listings);
    benchmark::DoNotOptimize(done);
  }
}
BENCHMARK(TabInAFolderOf20000)->Unit(benchmark::kMillisecond);

void IndexOf3000ProgramsAnd300Applications(benchmark::State& state) {
  const std::string home = (TheTree().root / "home").string();
  for (auto _ : state) {
    PosixListings listings(home);
    benchmark::DoNotOptimize(listings.Programs().size() + listings.Applications().size());
  }
}
BENCHMARK(IndexOf3000ProgramsAnd300Applications)->Unit(benchmark::kMillisecond);

// One iteration is one keystroke of a typed line: the narrowing and the candidates for it, as
// the command box asks for them.
void KeystrokeWithCandidates(benchmark::State& state) {
  PosixListings listings((TheTree().root / "home").string());
  History list;
  for (std::size_t i = 0; list.size() < History::kMaxEntries; ++i) {
    std::string entry = "/usr/bin/tool-" + std::to_string(i) + " --verbose ";
    entry.resize(40, static_cast<char>('a' + i % 26));
    list.Append(entry);
  }
  const std::string line = "tool-12 --verbose";
  const std::vector<std::string> aliases = {"np", "tools", "ll"};
  Narrowing shown(list);
  std::size_t typed = 0;
  for (auto _ : state) {
    typed = typed % line.size() + 1;
    const std::string_view text = std::string_view(line).substr(0, typed);
    shown.Narrow(text);
    shown.Offer(MatchCandidates(text, list, listings.Applications(), aliases, listings.Programs(),
                                PathStyle::Posix));
    benchmark::DoNotOptimize(shown.size());
  }
}
BENCHMARK(KeystrokeWithCandidates)->Unit(benchmark::kMillisecond);

}  // namespace
