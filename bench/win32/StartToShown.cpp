// Start-up time of VellCmdLine.exe, from process creation until its strip is visible, against
// a program that shows one empty window; medians of 11 runs each, the two started alternately
// after one uncounted run each.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Found {
  DWORD process;
  const char* windowClass;
  bool visible = false;
};

bool IsShown(DWORD process, const char* windowClass) {
  Found found{process, windowClass};
  EnumWindows(
      [](HWND hwnd, LPARAM data) -> BOOL {
        auto& f = *reinterpret_cast<Found*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        char name[64];
        GetClassNameA(hwnd, name, sizeof name);
        f.visible = owner == f.process && IsWindowVisible(hwnd) && strcmp(name, f.windowClass) == 0;
        return !f.visible;
      },
      reinterpret_cast<LPARAM>(&found));
  return found.visible;
}

// Milliseconds from CreateProcess until the window is shown.
double StartToShown(const std::string& exe, const char* windowClass) {
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::string commandLine = "\"" + exe + "\"";
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info))
    return -1;
  while (!IsShown(info.dwProcessId, windowClass)) Sleep(1);
  QueryPerformanceCounter(&now);
  TerminateProcess(info.hProcess, 0);
  WaitForSingleObject(info.hProcess, INFINITE);
  CloseHandle(info.hProcess);
  CloseHandle(info.hThread);
  return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

std::string Beside(const char* name) {
  char path[MAX_PATH];
  std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return self.substr(0, self.find_last_of('\\') + 1) + name;
}

}  // namespace

int main() {
  const std::string bareExe = Beside("bare_window.exe"), vellExe = Beside("VellCmdLine.exe");
  std::vector<double> bareTimes, vellTimes;
  for (int run = -1; run < 11; ++run) {
    const double bareTime = StartToShown(bareExe, "BareWindow");
    const double vellTime = StartToShown(vellExe, "VellCmdLine");
    if (run < 0) continue;
    bareTimes.push_back(bareTime);
    vellTimes.push_back(vellTime);
  }
  const double bare = Median(bareTimes), vell = Median(vellTimes);
  std::printf(
      "median of 11 alternating runs\nbare window: %.0f ms\nVellCmdLine.exe: %.0f ms\n"
      "ratio: %.2f\n",
      bare, vell, vell / bare);
  return 0;
}
