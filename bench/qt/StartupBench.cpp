// Start-up, memory, idle wakeups and responsiveness of programs that show a window, on an X
// display with no window manager (bench/qt/run-startup-bench starts a private Xvfb). Prints
// Markdown table rows.
//
//   vell_startup_bench start RUNS [--ratio A/B]... [--read FILE]... PROGRAM...
//   vell_startup_bench idle RUNS SECONDS PROGRAM...
//   vell_startup_bench respond RUNS ROW_Y PROGRAM
//   vell_startup_bench keys RUNS SETTLE_MS HOTKEY PROGRAM...
//
// PROGRAM is one argument, LABEL=COMMAND [ARGUMENT...] [<FILE], split at spaces; <FILE feeds
// the file to its standard input (otherwise /dev/null). The programs run in rounds, each round
// starting at the next program, after one round that is not counted (it fills the caches);
// each run is killed once measured, and the next starts after all its windows are gone.
//
// start:   time from fork to the first window mapped on the root (MapNotify; override-redirect
//          windows send one too) and to its first frame (a sampled pixel no longer the black of
//          the bare screen), peak resident memory (VmHWM) 400 ms later; medians, and ratios to
//          the first program and between pairs A/B. --read times reading a file whole.
// idle:    wakeups over SECONDS of a program left alone 1 s after its first frame, summed over
//          its threads: times scheduled (schedstat) and voluntary context switches.
// respond: the longest wait for an answer to _NET_WM_PING (with which window managers find hung
//          windows; the answer needs the program's event loop) during 1 s after the first
//          frame; then, after a click ROW_Y pixels below the window's top, half-way across
//          (xdotool), the time until a ping is answered, the time until the command box
//          (the band 2 to 20 px below the top) has changed (-1: not within 120 s), and the longest
//          wait for an answer in the 1 s after that.
// keys:    a user's keys, sent through XTEST as a keyboard sends them, SETTLE_MS after the
//          first frame and after each other: the pointer rests on the box, so that it has the
//          keys; then '9' (the first narrowing key), '9' (a further one), BackSpace, BackSpace
//          (the box empties), Down, Down, Shift+Delete, '9'; then Shift+Tab moves the focus on
//          and HOTKEY (e.g. ctrl+alt+space) brings it back to the box with its text selected;
//          then the same from a window of the benchmark's own, given the focus. Each figure is the time from the key's press to the first change
//          of the list's pixels (the band from 30 px below the window's top to 6 px above its
//          bottom) and to their last change before they rest for 300 ms after the strip has
//          answered a ping sent after the key; for the hotkey to the first change of the box's
//          (2 to 20 px below the top); -1: no change within 10 s. Medians.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/uio.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Pause(double milliseconds) {
  std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(milliseconds));
}

struct Program {
  std::string label;
  std::vector<std::string> words;
  std::string input = "/dev/null";
};

Program Parse(const std::string& argument) {
  Program program;
  const auto equals = argument.find('=');
  program.label = argument.substr(0, equals);
  std::istringstream words(argument.substr(equals + 1));
  for (std::string word; words >> word;) {
    if (word[0] == '<')
      program.input = word.substr(1);
    else
      program.words.push_back(word);
  }
  return program;
}

struct Display {
  xcb_connection_t* x = nullptr;
  xcb_window_t root = XCB_NONE;
  xcb_atom_t protocols = XCB_NONE;
  xcb_atom_t ping = XCB_NONE;
  bool trace = std::getenv("VELL_BENCH_TRACE") != nullptr;
};

xcb_atom_t Atom(xcb_connection_t* x, const char* name) {
  xcb_intern_atom_reply_t* reply =
      xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::strlen(name), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : XCB_NONE;
  free(reply);
  return atom;
}

// The next event, or null once the deadline has passed.
xcb_generic_event_t* NextEvent(const Display& d, Clock::time_point deadline) {
  for (;;) {
    if (xcb_generic_event_t* event = xcb_poll_for_event(d.x)) return event;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0 || xcb_connection_has_error(d.x)) return nullptr;
    pollfd fd{xcb_get_file_descriptor(d.x), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(left));
  }
}

struct Run {
  pid_t pid = -1;
  xcb_window_t window = XCB_NONE;
  int16_t left = 0, top = 0;
  uint16_t width = 0, height = 0;
  double mapped = -1;  // milliseconds from the fork
  double drawn = -1;
  std::set<xcb_window_t> created;  // top-level windows, to wait for their end
};

// Notes the windows created and destroyed; returns the window that a MapNotify maps.
xcb_window_t Follow(const Display& d, Run& run, xcb_generic_event_t* event, double at) {
  switch (event->response_type & 0x7f) {
    case XCB_CREATE_NOTIFY: {
      const auto* e = reinterpret_cast<xcb_create_notify_event_t*>(event);
      run.created.insert(e->window);
      if (d.trace)
        std::fprintf(stderr, "%8.1f ms CreateNotify 0x%x %ux%u override-redirect %d\n", at,
                     e->window, e->width, e->height, e->override_redirect);
      break;
    }
    case XCB_DESTROY_NOTIFY:
      run.created.erase(reinterpret_cast<xcb_destroy_notify_event_t*>(event)->window);
      break;
    case XCB_MAP_NOTIFY: {
      const auto* e = reinterpret_cast<xcb_map_notify_event_t*>(event);
      if (d.trace)
        std::fprintf(stderr, "%8.1f ms MapNotify 0x%x override-redirect %d\n", at, e->window,
                     e->override_redirect);
      return e->window;
    }
  }
  return XCB_NONE;
}

std::uint32_t PixelAt(const Display& d, xcb_window_t window, int16_t left, int16_t top) {
  xcb_get_image_reply_t* image = xcb_get_image_reply(
      d.x, xcb_get_image(d.x, XCB_IMAGE_FORMAT_Z_PIXMAP, window, left, top, 1, 1, ~0u), nullptr);
  std::uint32_t pixel = 0;
  if (image && xcb_get_image_data_length(image) >= 4)
    std::memcpy(&pixel, xcb_get_image_data(image), 4);
  free(image);
  return pixel & 0xFFFFFF;
}

// Whether anything but black shows at the centre or half-way to each corner.
bool Drawn(const Display& d, const Run& run) {
  const int w = run.width, h = run.height;
  const int points[][2] = {{w / 2, h / 2},
                           {w / 4, h / 4},
                           {3 * w / 4, h / 4},
                           {w / 4, 3 * h / 4},
                           {3 * w / 4, 3 * h / 4}};
  return std::any_of(std::begin(points), std::end(points), [&](const int* p) {
    return PixelAt(d, run.window, static_cast<int16_t>(p[0]), static_cast<int16_t>(p[1])) != 0;
  });
}

// Starts the program and waits for its first window to be mapped and drawn; a run whose
// window does not show within 10 s has no window.
Run Start(const Display& d, const Program& program) {
  std::vector<char*> argv;
  for (const std::string& word : program.words) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  Run run;
  const auto start = Clock::now();
  run.pid = fork();
  if (run.pid == 0) {
    dup2(open(program.input.c_str(), O_RDONLY), 0);
    dup2(open("/dev/null", O_WRONLY), 1);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  while (run.window == XCB_NONE && MillisecondsSince(start) < 10000) {
    xcb_generic_event_t* event = NextEvent(d, Clock::now() + std::chrono::milliseconds(100));
    if (!event) {
      if (waitpid(run.pid, nullptr, WNOHANG) == run.pid) run.pid = -1;
      if (run.pid == -1) return run;
      continue;
    }
    run.window = Follow(d, run, event, MillisecondsSince(start));
    free(event);
  }
  if (run.window == XCB_NONE) return run;
  run.mapped = MillisecondsSince(start);
  if (xcb_get_geometry_reply_t* g =
          xcb_get_geometry_reply(d.x, xcb_get_geometry(d.x, run.window), nullptr)) {
    run.left = g->x, run.top = g->y, run.width = g->width, run.height = g->height;
    free(g);
  }
  while (!Drawn(d, run) && MillisecondsSince(start) < 10000) Pause(0.5);
  run.drawn = MillisecondsSince(start);
  return run;
}

// Kills the program and waits until its windows are gone, so that the next run sees only its
// own.
void Stop(const Display& d, Run& run) {
  if (run.pid > 0) {
    kill(run.pid, SIGKILL);
    waitpid(run.pid, nullptr, 0);
  }
  const auto deadline = Clock::now() + std::chrono::seconds(5);
  while (!run.created.empty())
    if (xcb_generic_event_t* event = NextEvent(d, deadline)) {
      Follow(d, run, event, 0);
      free(event);
    } else {
      break;
    }
  xcb_get_input_focus_reply_t* sync =
      xcb_get_input_focus_reply(d.x, xcb_get_input_focus(d.x), nullptr);
  free(sync);
  while (xcb_generic_event_t* event = xcb_poll_for_event(d.x)) free(event);
}

// One field of /proc/PID/task/*/FILE, summed over the threads: a word of a one-line file when
// name is empty, else the value of the line that starts with name.
long long SumOverThreads(pid_t pid, const char* file, const char* name, int word) {
  long long sum = 0;
  std::error_code error;
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
    std::ifstream in(task.path() / file);
    std::string line;
    while (std::getline(in, line)) {
      if (std::strncmp(line.c_str(), name, std::strlen(name)) != 0) continue;
      std::istringstream words(line.substr(std::strlen(name)));
      long long value = 0;
      for (int i = 0; i <= word; ++i) words >> value;
      sum += value;
      break;
    }
  }
  return sum;
}

long PeakKilobytes(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

double Threads(pid_t pid) {
  std::error_code error;
  const std::filesystem::directory_iterator tasks("/proc/" + std::to_string(pid) + "/task", error);
  return static_cast<double>(std::distance(tasks, std::filesystem::directory_iterator()));
}

double Median(std::vector<double> values) {
  if (values.empty()) return -1;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Runs every program RUNS times in rounds (each starting at the next program) after one
// uncounted round; measure(program index, run) returns the figures of one run.
template <typename Measure>
std::vector<std::vector<std::vector<double>>> Rounds(const std::vector<Program>& programs, int runs,
                                                     Measure measure) {
  const std::size_t n = programs.size();
  std::vector<std::vector<std::vector<double>>> figures(n);
  for (int round = -1; round < runs; ++round)
    for (std::size_t i = 0; i < n; ++i) {
      const std::size_t p = (i + static_cast<std::size_t>(std::max(round, 0))) % n;
      std::vector<double> figure = measure(p);
      if (figure.empty()) {
        std::fprintf(stderr, "%s: no window within 10 s\n", programs[p].label.c_str());
        std::exit(1);
      }
      if (round >= 0) figures[p].push_back(figure);
    }
  return figures;
}

double MedianOf(const std::vector<std::vector<double>>& runs, std::size_t field) {
  std::vector<double> values;
  for (const auto& run : runs) values.push_back(run[field]);
  return Median(values);
}

double ReadMilliseconds(const std::string& path, int runs, std::uintmax_t& bytes) {
  bytes = std::filesystem::file_size(path);
  std::vector<double> times;
  for (int i = 0; i <= runs; ++i) {
    const auto start = Clock::now();
    std::string content(bytes, '\0');
    const int fd = open(path.c_str(), O_RDONLY);
    std::size_t done = 0;
    for (ssize_t got; done < bytes && (got = read(fd, &content[done], bytes - done)) > 0;)
      done += static_cast<std::size_t>(got);
    close(fd);
    if (i > 0) times.push_back(MillisecondsSince(start));
  }
  return Median(times);
}

int StartUp(const Display& d, int runs, std::vector<std::string> arguments) {
  std::vector<std::pair<std::string, std::string>> ratios;
  std::vector<std::string> reads;
  std::vector<Program> programs;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--ratio" && i + 1 < arguments.size()) {
      const std::string pair = arguments[++i];
      ratios.emplace_back(pair.substr(0, pair.find('/')), pair.substr(pair.find('/') + 1));
    } else if (arguments[i] == "--read" && i + 1 < arguments.size()) {
      reads.push_back(arguments[++i]);
    } else {
      programs.push_back(Parse(arguments[i]));
    }
  }
  const auto figures = Rounds(programs, runs, [&](std::size_t p) {
    Run run = Start(d, programs[p]);
    if (run.window == XCB_NONE) return std::vector<double>{};
    Pause(400);  // the first frame's follow-up work also counts for the peak
    const double peak = static_cast<double>(PeakKilobytes(run.pid)) / 1024;
    Stop(d, run);
    return std::vector<double>{run.drawn, run.mapped, peak};
  });
  const auto median = [&](const std::string& label, std::size_t field) {
    for (std::size_t p = 0; p < programs.size(); ++p)
      if (programs[p].label == label) return MedianOf(figures[p], field);
    return -1.0;
  };
  const std::string& base = programs[0].label;
  std::printf(
      "| median of %d alternating runs | first frame (ms) | window mapped (ms) | "
      "peak resident (MB) | first frame / %s | peak resident / %s |\n|---|---|---|---|---|---|\n",
      runs, base.c_str(), base.c_str());
  for (const Program& program : programs) {
    const std::string& l = program.label;
    std::printf("| %s | %.1f | %.1f | %.1f | %.2f | %.2f |\n", l.c_str(), median(l, 0),
                median(l, 1), median(l, 2), median(l, 0) / median(base, 0),
                median(l, 2) / median(base, 2));
  }
  for (const auto& [a, b] : ratios)
    std::printf("| %s / %s | first frame %.2f | mapped %.2f | peak resident %.2f |\n", a.c_str(),
                b.c_str(), median(a, 0) / median(b, 0), median(a, 1) / median(b, 1),
                median(a, 2) / median(b, 2));
  for (const std::string& path : reads) {
    std::uintmax_t bytes = 0;
    const double milliseconds = ReadMilliseconds(path, runs, bytes);
    const std::filesystem::path file(path);
    std::printf("| reading %s whole (%ju bytes, cached), median of %d | %.1f ms |\n",
                (file.parent_path().filename() / file.filename()).c_str(), bytes, runs,
                milliseconds);
  }
  return 0;
}

int Idle(const Display& d, int runs, double seconds, const std::vector<std::string>& arguments) {
  std::vector<Program> programs;
  for (const std::string& argument : arguments) programs.push_back(Parse(argument));
  const auto figures = Rounds(programs, runs, [&](std::size_t p) {
    Run run = Start(d, programs[p]);
    if (run.window == XCB_NONE) return std::vector<double>{};
    Pause(1000);
    const auto scheduled = [&] { return SumOverThreads(run.pid, "schedstat", "", 2); };
    const auto switches = [&] {
      return SumOverThreads(run.pid, "status", "voluntary_ctxt_switches:", 0);
    };
    const long long scheduledBefore = scheduled(), switchesBefore = switches();
    Pause(seconds * 1000);
    std::vector<double> figure{static_cast<double>(scheduled() - scheduledBefore),
                               static_cast<double>(switches() - switchesBefore), Threads(run.pid)};
    Stop(d, run);
    return figure;
  });
  std::printf(
      "| idle for %.0f s after the first frame, median of %d | times scheduled | "
      "voluntary context switches | threads |\n|---|---|---|---|\n",
      seconds, runs);
  for (std::size_t p = 0; p < programs.size(); ++p)
    std::printf("| %s | %.0f | %.0f | %.0f |\n", programs[p].label.c_str(), MedianOf(figures[p], 0),
                MedianOf(figures[p], 1), MedianOf(figures[p], 2));
  return 0;
}

// Sends a _NET_WM_PING to the window; returns its serial number.
std::uint32_t SendPing(const Display& d, xcb_window_t window) {
  static std::uint32_t serial = 0;
  xcb_client_message_event_t ping{};
  ping.response_type = XCB_CLIENT_MESSAGE;
  ping.format = 32;
  ping.window = window;
  ping.type = d.protocols;
  ping.data.data32[0] = d.ping;
  ping.data.data32[1] = ++serial;
  ping.data.data32[2] = window;
  xcb_send_event(d.x, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&ping));
  xcb_flush(d.x);
  return serial;
}

// Whether the event answers the ping of that serial number (Qt and Wine send the answer to the
// root with the StructureNotify mask); frees the event.
bool Answers(const Display& d, xcb_generic_event_t* event, std::uint32_t serial) {
  const auto* answer = reinterpret_cast<xcb_client_message_event_t*>(event);
  const bool answered = (event->response_type & 0x7f) == XCB_CLIENT_MESSAGE &&
                        answer->data.data32[0] == d.ping && answer->data.data32[1] == serial;
  free(event);
  return answered;
}

// Milliseconds until the window's program answers a _NET_WM_PING, at most 120 s.
double Ping(const Display& d, xcb_window_t window) {
  const auto start = Clock::now();
  const std::uint32_t serial = SendPing(d, window);
  while (xcb_generic_event_t* event = NextEvent(d, start + std::chrono::seconds(120)))
    if (Answers(d, event, serial)) return MillisecondsSince(start);
  return MillisecondsSince(start);
}

double LongestPing(const Display& d, xcb_window_t window, double during) {
  const auto start = Clock::now();
  double longest = 0;
  while (MillisecondsSince(start) < during) {
    longest = std::max(longest, Ping(d, window));
    Pause(10);  // back-to-back pings would keep a Qt program from painting
  }
  return longest;
}

// The pixels of a band of the window as the screen shows them, 20 px in from either side: a
// single row could miss the glyphs, and the cursor of the empty box blinks at its left end.
// Read from the root: Wine draws the client area into a child window of its own.
std::vector<std::uint8_t> Band(const Display& d, const Run& run, int16_t top, uint16_t height) {
  xcb_get_image_reply_t* image = xcb_get_image_reply(
      d.x,
      xcb_get_image(d.x, XCB_IMAGE_FORMAT_Z_PIXMAP, d.root, static_cast<int16_t>(run.left + 20),
                    static_cast<int16_t>(run.top + top), static_cast<uint16_t>(run.width - 40),
                    height, ~0u),
      nullptr);
  std::vector<std::uint8_t> pixels;
  if (image) {
    const std::uint8_t* data = xcb_get_image_data(image);
    pixels.assign(data, data + xcb_get_image_data_length(image));
  }
  free(image);
  return pixels;
}

int Respond(const Display& d, int runs, int rowTop, const std::string& argument) {
  const std::vector<Program> programs{Parse(argument)};
  const auto figures = Rounds(programs, runs, [&](std::size_t) {
    Run run = Start(d, programs[0]);
    if (run.window == XCB_NONE) return std::vector<double>{};
    const double shown = LongestPing(d, run.window, 1000);
    const std::vector<std::uint8_t> box = Band(d, run, 2, 18);
    const std::string x = std::to_string(run.left + run.width / 2);
    const std::string y = std::to_string(run.top + rowTop);
    if (fork() == 0) {
      execlp("xdotool", "xdotool", "mousemove", x.c_str(), y.c_str(), "click", "1",
             static_cast<char*>(nullptr));
      _exit(127);
    }
    wait(nullptr);
    // One ping answers once the click is handled; the box is then watched without pings,
    // which would hold up the painting (see LongestPing).
    const auto click = Clock::now();
    const double handled = Ping(d, run.window);
    bool changed = false;
    while (!(changed = Band(d, run, 2, 18) != box) && MillisecondsSince(click) < 120000) Pause(10);
    const double inBox = MillisecondsSince(click);
    const double after = LongestPing(d, run.window, 1000);
    Stop(d, run);
    return std::vector<double>{shown, handled, changed ? inBox : -1, after};
  });
  std::printf(
      "| %s, median of %d | longest wait for an answer to a ping in the 1 s after the first "
      "frame (ms) | click to the answer to a ping (ms) | click to the entry in the box (ms) | "
      "longest wait in the 1 s after that (ms) |\n|---|---|---|---|---|\n"
      "| | %.1f | %.1f | %.1f | %.1f |\n",
      programs[0].label.c_str(), runs, MedianOf(figures[0], 0), MedianOf(figures[0], 1),
      MedianOf(figures[0], 2), MedianOf(figures[0], 3));
  return 0;
}

// XTEST's FakeInput request, built by hand: libxcb-xtest is not among the build's packages.
void FakeInput(const Display& d, std::uint8_t type, std::uint8_t detail, int x = 0, int y = 0) {
  static xcb_extension_t xtest{"XTEST", 0};
  struct {
    std::uint8_t major, minor;  // filled in by xcb, as is the length
    std::uint16_t length;
    std::uint8_t type, detail, pad0[2];
    std::uint32_t time, root, pad1[2];
    std::int16_t x, y;
    std::uint8_t pad2[7], device;
  } request{};
  static_assert(sizeof request == 36);
  request.type = type;
  request.detail = detail;
  request.root = d.root;
  request.x = static_cast<std::int16_t>(x);
  request.y = static_cast<std::int16_t>(y);
  // xcb_send_request takes two parts of its own in front of the request's.
  iovec parts[4] = {{}, {}, {&request, sizeof request}, {nullptr, 0}};
  static const xcb_protocol_request_t fakeInput{2, &xtest, 2 /* FakeInput */, 1};
  xcb_send_request(d.x, 0, parts + 2, &fakeInput);
}

xcb_keycode_t Keycode(const Display& d, xcb_keysym_t keysym) {
  const xcb_setup_t* setup = xcb_get_setup(d.x);
  const int count = setup->max_keycode - setup->min_keycode + 1;
  xcb_get_keyboard_mapping_reply_t* map = xcb_get_keyboard_mapping_reply(
      d.x, xcb_get_keyboard_mapping(d.x, setup->min_keycode, static_cast<std::uint8_t>(count)),
      nullptr);
  xcb_keycode_t code = 0;
  if (map) {
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
    for (int k = 0; k < count * map->keysyms_per_keycode && !code; ++k)
      if (syms[k] == keysym)
        code = static_cast<xcb_keycode_t>(setup->min_keycode + k / map->keysyms_per_keycode);
    free(map);
  }
  return code;
}

// Presses the keys of a chord such as "ctrl+alt+space" in order and releases them in reverse.
void SendChord(const Display& d, const std::string& chord) {
  static const std::pair<const char*, xcb_keysym_t> kNames[] = {
      {"ctrl", 0xffe3},  {"alt", 0xffe9},    {"shift", 0xffe1},
      {"super", 0xffeb}, {"space", 0x20}, {"Tab", 0xff09},    {"BackSpace", 0xff08},
      {"Down", 0xff54},  {"Delete", 0xffff}, {"Return", 0xff0d}};
  std::vector<xcb_keycode_t> codes;
  std::istringstream names(chord);
  for (std::string name; std::getline(names, name, '+');) {
    xcb_keysym_t keysym = name.size() == 1 ? static_cast<unsigned char>(name[0]) : 0;
    for (const auto& [known, sym] : kNames)
      if (name == known) keysym = sym;
    codes.push_back(Keycode(d, keysym));
  }
  for (xcb_keycode_t code : codes) FakeInput(d, XCB_KEY_PRESS, code);
  for (auto code = codes.rbegin(); code != codes.rend(); ++code)
    FakeInput(d, XCB_KEY_RELEASE, *code);
  xcb_flush(d.x);
}

void MovePointer(const Display& d, int x, int y) {
  FakeInput(d, XCB_MOTION_NOTIFY, 0, x, y);
  xcb_flush(d.x);
}

// Milliseconds from now until the band of the window first changes, and until it shows what it
// settles on: its last change before 300 ms without any once the program has answered a ping
// sent after the key, that is once it has handled the key (a list may be drawn in steps, or
// cleared long before it is filled); -1: no change within 10 s.
template <typename Act>
std::pair<double, double> UntilSettled(const Display& d, const Run& run, int16_t top,
                                       uint16_t height, Act act) {
  std::vector<std::uint8_t> shown = Band(d, run, top, height);
  const auto start = Clock::now();
  act();
  const std::uint32_t serial = SendPing(d, run.window);
  double first = -1, last = -1, answered = -1;
  for (double now = 0; now < 10000 && (answered < 0 || now < std::max(answered, last) + 300);
       now = MillisecondsSince(start)) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(d.x))
      if (Answers(d, event, serial)) answered = MillisecondsSince(start);
    std::vector<std::uint8_t> pixels = Band(d, run, top, height);
    if (pixels != shown) {
      last = MillisecondsSince(start);
      if (first < 0) first = last;
      shown = std::move(pixels);
    }
    Pause(0.2);
  }
  return {first, last};
}

int Keys(const Display& d, int runs, double settle, const std::string& hotkey,
         const std::vector<std::string>& arguments) {
  static const std::pair<const char*, const char*> kSteps[] = {
      {"9", "first narrowing key"},
      {"9", "a further key"},
      {"BackSpace", "BackSpace, one left"},
      {"BackSpace", "BackSpace, the box empties"},
      {"Down", "Down"},
      {"Down", "Down again"},
      {"shift+Delete", "Shift+Delete"},
      {"9", "first narrowing key again"}};
  std::vector<Program> programs;
  for (const std::string& argument : arguments) programs.push_back(Parse(argument));
  // A window of the benchmark's own, to take the focus away from the strip.
  const xcb_window_t other = xcb_generate_id(d.x);
  const uint32_t values[] = {1};
  xcb_create_window(d.x, XCB_COPY_FROM_PARENT, other, d.root, 1000, 700, 50, 50, 0,
                    XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_OVERRIDE_REDIRECT,
                    values);
  xcb_map_window(d.x, other);
  // Its own MapNotify is no program's window.
  free(xcb_get_input_focus_reply(d.x, xcb_get_input_focus(d.x), nullptr));
  while (xcb_generic_event_t* event = xcb_poll_for_event(d.x)) free(event);
  const auto figures = Rounds(programs, runs, [&](std::size_t p) {
    // The keys go to the window under the pointer, as at the server's start.
    xcb_set_input_focus(d.x, XCB_INPUT_FOCUS_POINTER_ROOT, XCB_INPUT_FOCUS_POINTER_ROOT,
                        XCB_CURRENT_TIME);
    Run run = Start(d, programs[p]);
    if (run.window == XCB_NONE) return std::vector<double>{};
    Pause(settle);
    // Wine maps its window small and sizes it afterwards.
    if (xcb_get_geometry_reply_t* g =
            xcb_get_geometry_reply(d.x, xcb_get_geometry(d.x, run.window), nullptr)) {
      run.left = g->x, run.top = g->y, run.width = g->width, run.height = g->height;
      free(g);
    }
    const uint16_t listHeight = static_cast<uint16_t>(std::max(1, run.height - 36));
    if (d.trace)
      std::fprintf(stderr, "window 0x%x %ux%u+%d+%d, drawn after %.1f ms\n", run.window, run.width,
                   run.height, run.left, run.top, run.drawn);
    MovePointer(d, run.left + run.width / 2, run.top + 10);
    FakeInput(d, XCB_BUTTON_PRESS, 1);
    FakeInput(d, XCB_BUTTON_RELEASE, 1);
    xcb_flush(d.x);
    Pause(settle);
    std::vector<double> figure;
    for (const auto& step : kSteps) {
      const auto [first, settled] =
          UntilSettled(d, run, 30, listHeight, [&] { SendChord(d, step.first); });
      figure.insert(figure.end(), {first, settled});
      Pause(settle);
    }
    // The box's cursor blinks: only its first change counts. The hotkey comes first while the
    // strip has the focus on its next control, then while a window of another program has it.
    SendChord(d, "shift+Tab");
    Pause(settle);
    figure.push_back(UntilSettled(d, run, 2, 18, [&] { SendChord(d, hotkey); }).first);
    Pause(settle);
    xcb_set_input_focus(d.x, XCB_INPUT_FOCUS_POINTER_ROOT, other, XCB_CURRENT_TIME);
    MovePointer(d, 1025, 725);
    Pause(3 * settle);
    figure.push_back(UntilSettled(d, run, 2, 18, [&] { SendChord(d, hotkey); }).first);
    Stop(d, run);
    return figure;
  });
  std::printf(
      "| keys, median of %d runs: ms from the key to the list's first change / to its "
      "settled pixels",
      runs);
  for (const auto& step : kSteps) std::printf(" | %s", step.second);
  std::printf(
      " | hotkey to the box's text selected, from the strip's next control | the same, from "
      "another program's window |\n|---");
  for (std::size_t i = 0; i <= std::size(kSteps) + 1; ++i) std::printf("|---");
  std::printf("|\n");
  for (std::size_t p = 0; p < programs.size(); ++p) {
    std::printf("| %s", programs[p].label.c_str());
    for (std::size_t i = 0; i < std::size(kSteps); ++i)
      std::printf(" | %.1f / %.1f", MedianOf(figures[p], 2 * i), MedianOf(figures[p], 2 * i + 1));
    std::printf(" | %.1f | %.1f |\n", MedianOf(figures[p], 2 * std::size(kSteps)),
                MedianOf(figures[p], 2 * std::size(kSteps) + 1));
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const std::string mode = arguments.empty() ? "" : arguments[0];
  const std::size_t fixed = mode == "start" ? 2 : mode == "keys" ? 4 : 3;
  if ((mode != "start" && mode != "idle" && mode != "respond" && mode != "keys") ||
      arguments.size() < fixed + 1) {
    std::fprintf(stderr,
                 "usage: %s start RUNS [--ratio A/B]... [--read FILE]... PROGRAM...\n"
                 "       %s idle RUNS SECONDS PROGRAM...\n"
                 "       %s respond RUNS ROW_Y PROGRAM\n"
                 "       %s keys RUNS SETTLE_MS HOTKEY PROGRAM...\n"
                 "PROGRAM: LABEL=COMMAND [ARGUMENT...] [<FILE]\n",
                 argv[0], argv[0], argv[0], argv[0]);
    return 2;
  }
  Display d;
  d.x = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(d.x)) {
    std::fprintf(stderr, "no X display\n");
    return 1;
  }
  d.root = xcb_setup_roots_iterator(xcb_get_setup(d.x)).data->root;
  d.protocols = Atom(d.x, "WM_PROTOCOLS");
  d.ping = Atom(d.x, "_NET_WM_PING");
  // The root's children's creation, mapping and end; the answers to pings.
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
  xcb_change_window_attributes(d.x, d.root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(d.x);

  const int runs = std::max(1, std::atoi(arguments[1].c_str()));
  const std::vector<std::string> rest(arguments.begin() + static_cast<long>(fixed),
                                      arguments.end());
  int status = 0;
  if (mode == "start")
    status = StartUp(d, runs, rest);
  else if (mode == "idle")
    status = Idle(d, runs, std::atof(arguments[2].c_str()), rest);
  else if (mode == "keys")
    status = Keys(d, runs, std::atof(arguments[2].c_str()), arguments[3], rest);
  else
    status = Respond(d, runs, std::atoi(arguments[2].c_str()), rest[0]);
  xcb_disconnect(d.x);
  return status;
}
