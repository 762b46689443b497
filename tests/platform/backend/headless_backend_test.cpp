// The headless backend's script and virtual clock, the choice of backend and scale, and a
// program started through DeviceMain on the headless backend.
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "automation.h"
#include "backend/backend.h"
#include "device_main.h"
#include "windows.h"

namespace {

// Sets environment variables for one test and puts the old values back.
class ScopedEnv {
  public:
    void Set(const char* name, const char* value)
    {
        const char* old = std::getenv(name);
        saved_.push_back({name, old ? std::string(old) : std::string(), old != nullptr});
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv()
    {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->had)
                setenv(it->name.c_str(), it->value.c_str(), 1);
            else
                unsetenv(it->name.c_str());
        }
    }

  private:
    struct Saved {
        std::string name;
        std::string value;
        bool had;
    };
    std::vector<Saved> saved_;
};

class HeadlessTest : public testing::Test {
  protected:
    void SetUp() override { AutomationResetDevice(); }
    void TearDown() override { AutomationResetDevice(); }
};

TEST_F(HeadlessTest, AnAdvanceStopsAtEveryDeadlineOnTheWayAndInputFollowsIt)
{
    const Backend& b = kHeadlessBackend;
    AutomationAdvance(100);
    AutomationTap(3, 4);
    EXPECT_EQ(AutomationScriptLength(), 3);
    InputEvent e;
    EXPECT_FALSE(b.WaitInput(&e, 30));
    EXPECT_EQ(b.NowMs(), 30u);
    EXPECT_FALSE(b.WaitInput(&e, 80));
    EXPECT_EQ(b.NowMs(), 80u);
    ASSERT_TRUE(b.WaitInput(&e, kNoDeadline));  // the rest of the advance, then the tap
    EXPECT_EQ(b.NowMs(), 100u);
    EXPECT_EQ(e.kind, InputKind::StylusDown);
    EXPECT_EQ(e.x, 3);
    EXPECT_EQ(e.y, 4);
    ASSERT_TRUE(b.WaitInput(&e, 50));  // an input item does not wait for a deadline
    EXPECT_EQ(e.kind, InputKind::StylusUp);
    ASSERT_TRUE(b.WaitInput(&e, 500));
    EXPECT_EQ(e.kind, InputKind::ScriptEmpty);
    EXPECT_EQ(b.NowMs(), 100u);  // with nothing scripted, time stands still
}

TEST_F(HeadlessTest, SleepMovesTheClockWithoutTouchingTheScript)
{
    AutomationKey(VK_RETURN);
    Sleep(250);
    EXPECT_EQ(GetTickCount(), 250u);
    EXPECT_EQ(AutomationScriptLength(), 2);
    AutomationResetDevice();
    EXPECT_EQ(GetTickCount(), 0u);
    EXPECT_EQ(AutomationScriptLength(), 0);
}

TEST_F(HeadlessTest, ScriptedInputItemsCarryTheirDetails)
{
    AutomationDrag(0, 0, 10, 20, 2);
    AutomationChar(u'x');
    AutomationDropFile("/tmp/a.puz");
    const InputKind kinds[] = {InputKind::StylusDown, InputKind::StylusMove, InputKind::StylusMove,
                               InputKind::StylusUp,   InputKind::Char,       InputKind::DropFile};
    InputEvent e;
    for (InputKind kind : kinds) {
        ASSERT_TRUE(kHeadlessBackend.WaitInput(&e, kNoDeadline));
        EXPECT_EQ(e.kind, kind);
        if (kind == InputKind::StylusMove && e.x == 5) {
            EXPECT_EQ(e.y, 10);
        }
    }
    EXPECT_EQ(std::string(e.path), "/tmp/a.puz");
}

TEST(BackendChoice, TheEnvironmentForcesTheBackendAndTheScale)
{
    ScopedEnv env;
    const Backend* backend = nullptr;
    int scale = 0;
    char why[200] = "";
    env.Set("CROSSWORD_BACKEND", "headless");
    env.Set("CROSSWORD_SCALE", "3");
    ASSERT_TRUE(BackendChoose(&backend, &scale, why, sizeof why));
    EXPECT_EQ(backend, &kHeadlessBackend);
    EXPECT_EQ(scale, 3);
    env.Set("CROSSWORD_SCALE", "9");  // out of range: ignored
    ASSERT_TRUE(BackendChoose(&backend, &scale, why, sizeof why));
    EXPECT_EQ(scale, 1);

    env.Set("CROSSWORD_BACKEND", "vnc");
    EXPECT_FALSE(BackendChoose(&backend, &scale, why, sizeof why));
    EXPECT_STREQ(why, "unknown CROSSWORD_BACKEND 'vnc' (use headless or sdl2)");
}

TEST(BackendChoice, WithoutADisplayTheReasonIsOneClearLine)
{
    ScopedEnv env;
    env.Set("CROSSWORD_BACKEND", nullptr);
    env.Set("DISPLAY", nullptr);
    env.Set("WAYLAND_DISPLAY", nullptr);
    const Backend* backend = nullptr;
    int scale = 0;
    char why[200] = "";
    EXPECT_FALSE(BackendChoose(&backend, &scale, why, sizeof why));
    EXPECT_STREQ(why, "no display available (set DISPLAY or WAYLAND_DISPLAY, or "
                      "CROSSWORD_BACKEND=headless)");

    // DeviceMain says so on one line and returns 1 without running the program.
    static bool sRan;
    sRan = false;
    const DeviceProgram program = {u"\\Program Files\\T\\T.exe",
                                   [](HINSTANCE, HINSTANCE, LPWSTR, int) -> int {
                                       sRan = true;
                                       return 0;
                                   },
                                   nullptr};
    char arg0[] = "/usr/bin/crossword";
    char* argv[] = {arg0, nullptr};
    testing::internal::CaptureStderr();
    EXPECT_EQ(DeviceMain(1, argv, program), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "crossword: no display available (set DISPLAY or WAYLAND_DISPLAY, or "
              "CROSSWORD_BACKEND=headless)\n");
    EXPECT_FALSE(sRan);
}

// A display no X server here serves: neither its lock file nor its socket exists. A fixed
// number would now and then be taken, on a machine where virtual displays come and go; each
// process starts looking at a number of its own, as tests run side by side and one of them
// brings a server up on the number it found.
std::string UnusedDisplay()
{
    for (int n = 200 + getpid() % 5000;; ++n) {
        const std::string number = std::to_string(n);
        if (!std::filesystem::exists("/tmp/.X" + number + "-lock") &&
            !std::filesystem::exists("/tmp/.X11-unix/X" + number))
            return ":" + number;
    }
}

TEST(BackendChoice, ADisplayThatCannotBeOpenedIsNoDisplay)
{
    // SDL would fall back to a driver that shows nothing; the user gets the reason instead.
    ScopedEnv env;
    env.Set("CROSSWORD_BACKEND", "sdl2");
    const std::string display = UnusedDisplay();
    env.Set("DISPLAY", display.c_str());
    env.Set("WAYLAND_DISPLAY", nullptr);
    env.Set("SDL_VIDEODRIVER", nullptr);
    const Backend* backend = nullptr;
    int scale = 0;
    char why[200] = "";
    EXPECT_FALSE(BackendChoose(&backend, &scale, why, sizeof why));
    EXPECT_EQ(std::string(why).rfind("no display available (", 0), 0u) << why;
}

// An X server resets when its last client leaves and refuses connections meanwhile, so a
// start right after another program ended can meet a display that is not there for a moment:
// the start waits for it. Here the server comes up half a second after the start, with and
// without a driver asked for by name.
TEST(BackendChoice, AStartWaitsForADisplayThatIsBackInAMoment)
{
    for (const char* driver : {"x11", ""}) {
        const std::string display = UnusedDisplay();
        ScopedEnv env;
        env.Set("DISPLAY", display.c_str());
        env.Set("WAYLAND_DISPLAY", nullptr);
        env.Set("SDL_VIDEODRIVER", *driver ? driver : nullptr);
        env.Set("CROSSWORD_BACKEND", "sdl2");
        FILE* start = popen("'" DISPLAY_START_HELPER "' 2>&1; echo \"exit $?\"", "r");
        ASSERT_NE(start, nullptr);
        usleep(500000);
        const std::string server =
            "Xvfb " + display + " -screen 0 640x640x24 -nolisten tcp " + "2>/dev/null & echo $!";
        FILE* started = popen(server.c_str(), "r");
        ASSERT_NE(started, nullptr);
        int xvfb = 0;
        ASSERT_EQ(std::fscanf(started, "%d", &xvfb), 1);
        pclose(started);
        std::string said;
        char line[256];
        while (std::fgets(line, sizeof line, start))
            said += line;
        pclose(start);
        kill(xvfb, SIGTERM);  // not our child: the shell that started it has ended
        // (SDL's other drivers may say what they miss on the way.)
        EXPECT_EQ(said.substr(said.rfind("exit ")), "exit 0\n") << "driver '" << driver << "'";
    }
}

LRESULT CALLBACK QuitOnDestroy(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_DESTROY)
        PostQuitMessage(5);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// A program whose window is closed by SIGTERM: the signal arrives as WM_CLOSE.
int WINAPI SignalledWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show)
{
    EXPECT_EQ(show, SW_SHOW);
    EXPECT_EQ(instance, reinterpret_cast<HINSTANCE>(0x40));
    WCHAR path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    EXPECT_EQ(std::u16string(path), u"\\Program Files\\Tester\\Tester.exe");
    WNDCLASSW wc = {};
    wc.lpfnWndProc = QuitOnDestroy;
    wc.lpszClassName = u"Signalled";
    RegisterClassW(&wc);
    HWND hwnd =
        CreateWindowExW(0, u"Signalled", u"Tester", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    EXPECT_NE(hwnd, nullptr);
    std::raise(SIGTERM);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0))
        DispatchMessageW(&msg);
    EXPECT_FALSE(IsWindow(hwnd));
    return int(msg.wParam);
}

TEST_F(HeadlessTest, DeviceMainRunsTheProgramAndATerminationSignalClosesItsWindow)
{
    ScopedEnv env;
    env.Set("CROSSWORD_BACKEND", "headless");
    env.Set("CROSSWORD_SCALE", nullptr);
    const DeviceProgram program = {u"\\Program Files\\Tester\\Tester.exe", SignalledWinMain,
                                   [] { return reinterpret_cast<HINSTANCE>(0x40); }};
    char arg0[] = "tester";
    char* argv[] = {arg0, nullptr};
    EXPECT_EQ(DeviceMain(1, argv, program), 5);
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGHUP, SIG_DFL);
}

// The command line a program was started with.
std::u16string gCommandLine;
int WINAPI RecordingWinMain(HINSTANCE, HINSTANCE, LPWSTR commandLine, int)
{
    gCommandLine = commandLine;
    return 0;
}

TEST_F(HeadlessTest, DeviceMainBringsTheFilesNamedIntoTheDeviceForAProgramThatOpensThem)
{
    ScopedEnv env;
    env.Set("CROSSWORD_BACKEND", "headless");
    const std::filesystem::path outside = testing::TempDir() + "device-main-files";
    std::filesystem::create_directories(outside / "other");
    for (const char* name : {"x y.puz", "other/x y.puz"}) {
        std::FILE* f = std::fopen((outside / name).c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs(name, f);  // two files of one name, with other bytes
        std::fclose(f);
    }
    std::string first = (outside / "x y.puz").string(),
                second = (outside / "other/x y.puz").string(),
                missing = (outside / "missing.puz").string();
    char arg0[] = "/usr/bin/crossword";
    char* argv[] = {arg0, first.data(), missing.data(), second.data(), nullptr};
    DeviceProgram program = {u"\\Program Files\\T\\T.exe", RecordingWinMain, nullptr, true};

    testing::internal::CaptureStderr();
    EXPECT_EQ(DeviceMain(4, argv, program), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "crossword: " + missing + " left out: no such file\n");
    // "+": copies this start made.
    EXPECT_EQ(gCommandLine, u"+\"\\My Documents\\x y.puz\" +\"\\My Documents\\x y (2).puz\"");
    HANDLE copy = CreateFileW(u"\\My Documents\\x y (2).puz", GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(copy, INVALID_HANDLE_VALUE);
    char bytes[32] = "";
    DWORD read = 0;
    ReadFile(copy, bytes, sizeof bytes, &read, nullptr);
    CloseHandle(copy);
    EXPECT_EQ(std::string(bytes, read), "other/x y.puz");

    // Named again, the same bytes are found there: nothing is copied, nothing is marked.
    testing::internal::CaptureStderr();
    EXPECT_EQ(DeviceMain(4, argv, program), 0);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(gCommandLine, u"\"\\My Documents\\x y.puz\" \"\\My Documents\\x y (2).puz\"");

    // A program that opens no files hears nothing of its arguments.
    program.opensFiles = false;
    EXPECT_EQ(DeviceMain(4, argv, program), 0);
    EXPECT_EQ(gCommandLine, u"");
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGHUP, SIG_DFL);
    std::filesystem::remove_all(outside);
}

}  // namespace
