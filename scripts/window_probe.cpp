// Measures the game in a real window as a user meets it, on the X display named by DISPLAY:
// how long after exec its window is mapped and shows its first frame, how much memory it
// holds, how much CPU it takes while nobody touches it (its clock running, then paused by a
// click on the title), and, resumed by another click, how long a keystroke takes to reach the
// pixels on the X server. Every wait is a poll of the X server every couple of milliseconds;
// nothing relies on the window manager or on xdotool's half-second steps. Writes Google
// Benchmark's JSON shape, so the performance page reads it like the rest.
//   window_probe PROGRAM RUNS OUT.json
// Built by scripts/real_window_perf.sh against libX11 and libXext; XTest, which sends the
// keys and the click, is loaded at run time from libXtst.so.6 (xdotool's own dependency).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <dlfcn.h>
#include <signal.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kScale = 2;
constexpr int kWidth = 240 * kScale;
constexpr int kHeight = 320 * kScale;
constexpr auto kPoll = std::chrono::milliseconds(2);
constexpr auto kKeyPoll = std::chrono::microseconds(200);
constexpr int kKeystrokesPerRun = 10;

using FakeKeyEvent = int (*)(Display*, unsigned, int, unsigned long);
using FakeButtonEvent = int (*)(Display*, unsigned, int, unsigned long);
using FakeMotionEvent = int (*)(Display*, int, int, int, unsigned long);

// The title in the navigation bar, right of the start button: a click there pauses the clock,
// and another resumes it.
constexpr int kTitleX = 60 * kScale, kTitleY = 12 * kScale;

// A shared-memory image the X server copies window pixels into.
struct Grabber {
    XShmSegmentInfo shm = {};
    XImage* image = nullptr;
    int top = 0;  // the window row its first row shows
};

struct Probe {
    Display* display = nullptr;
    Grabber whole;             // the window
    Grabber band;              // the rows keystrokes change, once the warm-up found them
    int changedTop = kHeight;  // the rows keystrokes changed in the warm-up
    int changedBottom = 0;
    FakeKeyEvent fakeKey = nullptr;
    FakeButtonEvent fakeButton = nullptr;
    FakeMotionEvent fakeMotion = nullptr;
};

double Ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

int IgnoreErrors(Display*, XErrorEvent*)
{
    return 0;  // a window that goes away between two requests is not a failure here
}

bool MakeGrabber(Display* d, int top, int height, Grabber* g)
{
    const int screen = DefaultScreen(d);
    g->top = top;
    g->image = XShmCreateImage(d, DefaultVisual(d, screen), unsigned(DefaultDepth(d, screen)),
                               ZPixmap, nullptr, &g->shm, kWidth, unsigned(height));
    if (!g->image)
        return false;
    g->shm.shmid =
        shmget(IPC_PRIVATE, size_t(g->image->bytes_per_line * g->image->height), IPC_CREAT | 0600);
    g->shm.shmaddr = g->image->data = static_cast<char*>(shmat(g->shm.shmid, nullptr, 0));
    g->shm.readOnly = False;
    XShmAttach(d, &g->shm);
    XSync(d, False);
    shmctl(g->shm.shmid, IPC_RMID, nullptr);  // freed once both sides detach
    return true;
}

bool OpenProbe(Probe* p, std::string* why)
{
    p->display = XOpenDisplay(nullptr);
    if (!p->display) {
        *why = "cannot open the display named by DISPLAY";
        return false;
    }
    XSetErrorHandler(IgnoreErrors);
    if (!XShmQueryExtension(p->display) || !MakeGrabber(p->display, 0, kHeight, &p->whole)) {
        *why = "the X server has no MIT-SHM";
        return false;
    }
    void* xtst = dlopen("libXtst.so.6", RTLD_NOW);
    if (xtst) {
        p->fakeKey = reinterpret_cast<FakeKeyEvent>(dlsym(xtst, "XTestFakeKeyEvent"));
        p->fakeButton = reinterpret_cast<FakeButtonEvent>(dlsym(xtst, "XTestFakeButtonEvent"));
        p->fakeMotion = reinterpret_cast<FakeMotionEvent>(dlsym(xtst, "XTestFakeMotionEvent"));
    }
    if (!p->fakeKey || !p->fakeButton || !p->fakeMotion) {
        *why = "libXtst.so.6 (XTest) cannot be loaded";
        return false;
    }
    return true;
}

// The viewable window whose _NET_WM_PID is `pid`, below `parent`; 0 when there is none yet.
Window FindWindowOf(Display* d, Window parent, pid_t pid)
{
    const Atom pidAtom = XInternAtom(d, "_NET_WM_PID", False);
    Window root = 0, up = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(d, parent, &root, &up, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        Atom type = 0;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(d, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                               &items, &after, &data) == Success &&
            data && items == 1 && format == 32) {
            XWindowAttributes a;
            if (pid_t(*reinterpret_cast<unsigned long*>(data)) == pid &&
                XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable)
                found = children[i];
        }
        if (data)
            XFree(data);
        if (!found)
            found = FindWindowOf(d, children[i], pid);  // below a window manager's frame
    }
    if (children)
        XFree(children);
    return found;
}

// Reads the grabber's rows of the window; false when the window cannot be read.
bool Grab(Probe* p, const Grabber& g, Window w)
{
    return XShmGetImage(p->display, w, g.image, 0, g.top, AllPlanes);
}
bool Grab(Probe* p, Window w)
{
    return Grab(p, p->whole, w);
}

using Picture = std::vector<char>;  // the image's bytes as the server gave them

Picture Copy(const Grabber& g)
{
    return Picture(g.image->data,
                   g.image->data + size_t(g.image->bytes_per_line) * size_t(g.image->height));
}

// The grabber holds `picture`, compared in place so a poll costs no copy.
bool Shows(const Grabber& g, const Picture& picture)
{
    return picture.size() == size_t(g.image->bytes_per_line) * size_t(g.image->height) &&
           std::memcmp(g.image->data, picture.data(), picture.size()) == 0;
}

// Widens the rows keystrokes are known to change by those where the whole window's grab
// differs from `before`.
void NoteChangedRows(Probe* p, const Picture& before)
{
    const int line = p->whole.image->bytes_per_line;
    for (int y = 0; y < kHeight; ++y) {
        if (std::memcmp(p->whole.image->data + y * line, before.data() + y * line, size_t(line)) !=
            0) {
            p->changedTop = std::min(p->changedTop, y);
            p->changedBottom = std::max(p->changedBottom, y + 1);
        }
    }
}

// Nanoseconds the process has run on a CPU: the first field of each of its threads'
// schedstat (the process's own file counts its first thread only).
double CpuNs(pid_t pid)
{
    double ns = 0;
    std::error_code error;
    for (const auto& task :
         fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream in(task.path() / "schedstat");
        double taskNs = 0;
        if (in >> taskNs)
            ns += taskNs;
    }
    return ns;
}

// A "Key:   123 kB" line of a /proc file, in megabytes (10^6 bytes).
double MegabytesOf(const std::string& path, const std::string& key)
{
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(key + ":", 0) == 0)
            return std::strtod(line.c_str() + key.size() + 1, nullptr) * 1024.0 / 1e6;
    }
    return -1;
}

pid_t Start(const std::string& program, const std::string& root)
{
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("CROSSWORD_DEVICE_ROOT", root.c_str(), 1);
        setenv("CROSSWORD_BACKEND", "sdl2", 1);
        setenv("CROSSWORD_SCALE", std::to_string(kScale).c_str(), 1);
        setenv("SDL_VIDEODRIVER", "x11", 1);
        unsetenv("WAYLAND_DISPLAY");
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

bool Stop(pid_t pid)
{
    kill(pid, SIGTERM);  // the game saves and ends, as when its window is closed
    int status = 0;
    for (int i = 0; i < 500; ++i) {
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return false;
}

// Polls until the window of `pid` is viewable and its pixels equal `frame` (any picture when
// `frame` is empty, once two grabs 200 ms apart agree). Times from `start`; false after 10 s.
bool WaitForFrame(Probe* p, pid_t pid, Clock::time_point start, Picture* frame, Window* window,
                  double* mappedMs, double* frameMs)
{
    *window = 0;
    Picture last;
    while (Clock::now() - start < std::chrono::seconds(10)) {
        if (!*window) {
            *window = FindWindowOf(p->display, DefaultRootWindow(p->display), pid);
            if (*window)
                *mappedMs = Ms(Clock::now() - start);
        }
        if (*window && Grab(p, *window)) {
            if (!frame->empty() && Shows(p->whole, *frame)) {
                *frameMs = Ms(Clock::now() - start);
                return true;
            }
            if (frame->empty()) {
                if (!last.empty() && Shows(p->whole, last)) {
                    *frame = last;
                    return true;
                }
                last = Copy(p->whole);
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                continue;
            }
        }
        std::this_thread::sleep_for(kPoll);
    }
    return false;
}

// The share of one core the process takes over three seconds in which nobody touches it.
double IdleCpuPercent(pid_t pid)
{
    const double before = CpuNs(pid);
    const Clock::time_point start = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(3));
    return (CpuNs(pid) - before) / 1e6 / Ms(Clock::now() - start) * 100;
}

// A click on the window's title, which pauses the puzzle's clock (then nothing is due) or
// resumes it.
bool ClickTitle(Probe* p, Window window)
{
    int x = 0, y = 0;
    Window child = 0;
    if (!XTranslateCoordinates(p->display, window, DefaultRootWindow(p->display), kTitleX, kTitleY,
                               &x, &y, &child))
        return false;
    p->fakeMotion(p->display, DefaultScreen(p->display), x, y, 0);
    p->fakeButton(p->display, 1, True, 0);
    p->fakeButton(p->display, 1, False, 0);
    XSync(p->display, False);
    return true;
}

struct Run {
    double mappedMs = 0, frameMs = 0, cpuMs = 0, rssMb = 0, pssMb = 0;
    double clockIdlePercent = 0;  // idle with the puzzle's clock running, a tick a second
    double idlePercent = 0;       // idle with the clock paused: nothing is due
    std::vector<double> keystrokesMs;
};

// One start of the game on a copy of `pristine`: the figures, or false with `why`.
bool MeasureOnce(Probe* p, const std::string& program, const std::string& pristine,
                 const std::string& root, Picture* reference, Run* run, std::string* why)
{
    fs::remove_all(root);
    fs::copy(pristine, root, fs::copy_options::recursive);
    const Clock::time_point start = Clock::now();
    const pid_t pid = Start(program, root);
    Window window = 0;
    if (!WaitForFrame(p, pid, start, reference, &window, &run->mappedMs, &run->frameMs)) {
        Stop(pid);
        *why = "no window with the first frame within 10 s";
        return false;
    }
    run->cpuMs = CpuNs(pid) / 1e6;
    std::this_thread::sleep_for(std::chrono::seconds(1));  // whatever start-up left, settles
    const std::string proc = "/proc/" + std::to_string(pid);
    run->rssMb = MegabytesOf(proc + "/status", "VmRSS");
    run->pssMb = MegabytesOf(proc + "/smaps_rollup", "Pss");
    run->clockIdlePercent = IdleCpuPercent(pid);
    if (!ClickTitle(p, window)) {
        Stop(pid);
        *why = "the title cannot be clicked";
        return false;
    }
    // The pause is a change of the progress, which the auto-save writes a second later; the
    // idle time is measured once nothing is left unsaved.
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    run->idlePercent = IdleCpuPercent(pid);
    // The pause hides the grid and takes no letters: the keystrokes come after it ends.
    ClickTitle(p, window);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));

    XSetInputFocus(p->display, window, RevertToParent, CurrentTime);
    XSync(p->display, False);
    // Each poll reads only the rows keystrokes changed in the warm-up (the whole window
    // during the warm-up itself): the server puts a frame's changed part in one request, so
    // any changed row shows it, and a small grab keeps the poll quick and light.
    const bool learning = !p->band.image;
    const Grabber& g = learning ? p->whole : p->band;
    // Two letters in turn: each keystroke writes a letter unlike the one the square holds.
    const unsigned keys[2] = {XKeysymToKeycode(p->display, XK_q),
                              XKeysymToKeycode(p->display, XK_x)};
    for (int i = 0; i < kKeystrokesPerRun; ++i) {
        if (!Grab(p, g, window)) {
            Stop(pid);
            *why = "the window cannot be read";
            return false;
        }
        const Picture before = Copy(g);
        p->fakeKey(p->display, keys[i % 2], True, 0);
        p->fakeKey(p->display, keys[i % 2], False, 0);
        // Timed before the flush: writing the key wakes the X server and the game, which may
        // well run before this process does again.
        const Clock::time_point sent = Clock::now();
        XFlush(p->display);
        bool changed = false;
        while (Clock::now() - sent < std::chrono::seconds(2) && !changed) {
            if (Grab(p, g, window) && !Shows(g, before)) {
                run->keystrokesMs.push_back(Ms(Clock::now() - sent));
                changed = true;
            }
            // A short pause leaves the CPUs to the game and the X server being measured.
            std::this_thread::sleep_for(kKeyPoll);
        }
        if (!changed) {
            Stop(pid);
            *why = "a keystroke changed nothing on the screen within 2 s";
            return false;
        }
        if (learning)
            NoteChangedRows(p, before);
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
    }
    if (learning && p->changedTop < p->changedBottom &&
        !MakeGrabber(p->display, p->changedTop, p->changedBottom - p->changedTop, &p->band)) {
        Stop(pid);
        *why = "no shared-memory image for the changed rows";
        return false;
    }
    if (!Stop(pid)) {
        *why = "the game did not end with 0 after SIGTERM";
        return false;
    }
    return true;
}

std::string Entry(const std::string& name, double real, double cpu,
                  const std::vector<std::pair<std::string, double>>& counters)
{
    std::ostringstream out;
    out << "    {\"name\": \"" << name << "\", \"run_name\": \"" << name
        << "\", \"run_type\": \"iteration\", \"iterations\": 1, \"real_time\": " << real
        << ", \"cpu_time\": " << cpu << ", \"time_unit\": \"ms\"";
    for (const auto& [key, value] : counters)
        out << ", \"" << key << "\": " << value;
    out << "}";
    return out.str();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PROGRAM RUNS OUT.json\n", argv[0]);
        return 2;
    }
    const std::string program = fs::absolute(argv[1]).string();
    const int runs = std::max(1, std::atoi(argv[2]));
    Probe probe;
    std::string why;
    if (!OpenProbe(&probe, &why)) {
        std::fprintf(stderr, "window_probe: %s\n", why.c_str());
        return 1;
    }
    const fs::path scratch =
        fs::temp_directory_path() / ("window-probe-" + std::to_string(getpid()));
    fs::create_directories(scratch);

    // The first start makes a new device (seeded with the starter puzzle) and ends, saving
    // its state: every later start begins from a copy of that device, as a user's second
    // start would. Its own figures are a cold start's and are not kept.
    const std::string clean = (scratch / "clean").string();
    {
        Picture settled;
        Window w = 0;
        double mapped = 0, frame = 0;
        const pid_t pid = Start(program, clean);
        const bool shown = WaitForFrame(&probe, pid, Clock::now(), &settled, &w, &mapped, &frame);
        if (!Stop(pid) || !shown) {
            std::fprintf(stderr, "window_probe: the first start showed no window or failed\n");
            return 1;
        }
    }
    // A warm-up run leaves the disk cache warm and gives the picture each measured start
    // must show first.
    Picture reference;
    Run warm;
    if (!MeasureOnce(&probe, program, clean, (scratch / "run").string(), &reference, &warm, &why)) {
        std::fprintf(stderr, "window_probe: warm-up: %s\n", why.c_str());
        return 1;
    }
    std::vector<std::string> entries;
    int failed = 0;
    for (int i = 0; i < runs; ++i) {
        Run run;
        if (!MeasureOnce(&probe, program, clean, (scratch / "run").string(), &reference, &run,
                         &why)) {
            std::fprintf(stderr, "window_probe: run %d: %s\n", i + 1, why.c_str());
            ++failed;
            continue;
        }
        std::printf("run %d: mapped %.1f ms, first frame %.1f ms (CPU %.1f ms), RSS %.1f MB, "
                    "PSS %.1f MB, idle CPU %.3f %% (clock running %.3f %%), keystroke median "
                    "%.2f ms\n",
                    i + 1, run.mappedMs, run.frameMs, run.cpuMs, run.rssMb, run.pssMb,
                    run.idlePercent, run.clockIdlePercent, [&] {
                        std::vector<double> k = run.keystrokesMs;
                        std::nth_element(k.begin(), k.begin() + long(k.size() / 2), k.end());
                        return k[k.size() / 2];
                    }());
        std::fflush(stdout);
        entries.push_back(Entry("RealWindow/StartToFirstFrame", run.frameMs, run.cpuMs,
                                {{"mapped_ms", run.mappedMs},
                                 {"rss_MB", run.rssMb},
                                 {"pss_MB", run.pssMb},
                                 {"idle_cpu_percent", run.idlePercent},
                                 {"idle_clock_cpu_percent", run.clockIdlePercent}}));
        for (double k : run.keystrokesMs)
            entries.push_back(Entry("RealWindow/KeystrokeToPixels", k, k, {}));
    }
    fs::remove_all(scratch);

    std::ofstream out(argv[3]);
    out << "{\n  \"context\": {\"executable\": \"" << program << "\"},\n  \"benchmarks\": [\n";
    for (size_t i = 0; i < entries.size(); ++i)
        out << entries[i] << (i + 1 < entries.size() ? ",\n" : "\n");
    out << "  ]\n}\n";
    return failed ? 1 : 0;
}
