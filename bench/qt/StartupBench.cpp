// Time from process start to the first shown frame (the window mapped and drawn: its centre no
// longer the black of the bare screen), and peak resident memory, of two programs started
// alternately on the same X display with no window manager; prints medians and their ratios.
//
//   vell_startup_bench RUNS PROGRAM_DIR STRIP REFERENCE
//
// The strip runs from PROGRAM_DIR (holding its history.cfg) with HOME, XDG_CONFIG_HOME and
// XDG_RUNTIME_DIR under it; each process is killed once measured, so no file changes.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cstdint>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
  double mapped;  // milliseconds from the start
  double drawn;
  long peakKilobytes;
};

std::uint32_t PixelAt(xcb_connection_t* x, xcb_window_t window, int16_t left, int16_t top) {
  xcb_get_image_reply_t* image = xcb_get_image_reply(
      x, xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, window, left, top, 1, 1, ~0u), nullptr);
  std::uint32_t pixel = 0;
  if (image && xcb_get_image_data_length(image) >= 4)
    std::memcpy(&pixel, xcb_get_image_data(image), 4);
  free(image);
  return pixel & 0xFFFFFF;
}

long PeakResident(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

// Starts the program and waits for the first MapNotify on the root window.
Sample Measure(xcb_connection_t* x, const std::string& program) {
  const auto start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  const auto since = [&] {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  };
  Sample sample{-1, -1, -1};
  xcb_window_t window = XCB_NONE;
  while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
    if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY)
      window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
    free(event);
    if (window != XCB_NONE) break;
  }
  sample.mapped = since();
  xcb_get_geometry_reply_t* geometry =
      xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr);
  const int16_t centreX = geometry ? geometry->width / 2 : 0;
  const int16_t centreY = geometry ? geometry->height / 2 : 0;
  free(geometry);
  while (PixelAt(x, window, centreX, centreY) == 0 && since() < 5000)
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  sample.drawn = since();
  // Let the first frame be drawn and the event loop settle before reading the peak.
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  sample.peakKilobytes = PeakResident(child);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  // Drop the unmap and destroy events of this run.
  xcb_flush(x);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  while (xcb_generic_event_t* event = xcb_poll_for_event(x)) free(event);
  return sample;
}

template <typename Field>
double Median(std::vector<Sample> samples, Field field) {
  std::sort(samples.begin(), samples.end(),
            [&](const Sample& a, const Sample& b) { return a.*field < b.*field; });
  return static_cast<double>(samples[samples.size() / 2].*field);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s RUNS PROGRAM_DIR STRIP REFERENCE\n", argv[0]);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const std::string directory = argv[2];
  setenv("HOME", directory.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (directory + "/config").c_str(), 1);
  setenv("XDG_RUNTIME_DIR", directory.c_str(), 1);

  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(x)) {
    std::fprintf(stderr, "no X display\n");
    return 1;
  }
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(x);

  std::vector<Sample> strip, reference;
  Measure(x, argv[3]);  // warm the file cache for both
  Measure(x, argv[4]);
  for (int i = 0; i < runs; ++i) {
    strip.push_back(Measure(x, argv[3]));
    reference.push_back(Measure(x, argv[4]));
  }
  const auto row = [&](const char* what, auto field, double scale) {
    const double a = Median(strip, field) / scale;
    const double b = Median(reference, field) / scale;
    std::printf("%-26s %7.1f  %15.1f  %6.2f\n", what, a, b, a / b);
  };
  std::printf("median of %2d runs           strip   minimal window   ratio\n", runs);
  row("start to first frame (ms)", &Sample::drawn, 1);
  row("start to window mapped (ms)", &Sample::mapped, 1);
  row("peak resident (MB)", &Sample::peakKilobytes, 1024);
  xcb_disconnect(x);
  return 0;
}
