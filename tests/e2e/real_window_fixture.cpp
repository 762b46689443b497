// Virtual display, program start, X input and screenshots for the end-to-end tests.
#include "real_window_fixture.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

std::string MakeTempFolder(const char* stem)
{
    std::string pattern = (fs::temp_directory_path() / (std::string(stem) + "-XXXXXX")).string();
    return mkdtemp(pattern.data()) ? pattern : std::string();
}

// Reads the display number that Xvfb writes to its -displayfd descriptor once it accepts
// clients; empty when it does not do so in time.
std::string ReadDisplayNumber(int fd, int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string text;
    while (text.find('\n') == std::string::npos) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return {};
        pollfd p = {fd, POLLIN, 0};
        if (poll(&p, 1, int(left.count())) <= 0)
            continue;
        char buffer[32];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            return {};
        text.append(buffer, size_t(n));
    }
    return text.substr(0, text.find('\n'));
}

// Under CTest the install fixture has put the programs in a prefix, and they run from there
// as a user would run them; a copy missing there fails the test. Run by hand without the
// fixture, the test takes the build tree's programs.
std::string ProgramPath(const std::string& program)
{
    if (const char* prefix = std::getenv("CROSSWORD_E2E_PREFIX"); prefix && *prefix)
        return (fs::path(prefix) / "bin" / program).string();
    return (fs::path(CROSSWORD_E2E_BUILD_BIN) / program).string();
}

}  // namespace

void RealWindowTest::SetUp()
{
    scratch = MakeTempFolder("crossword-e2e");
    ASSERT_FALSE(scratch.empty()) << "no temporary folder";
    deviceRoot = scratch + "/device";
    fs::create_directory(deviceRoot);

    int pipeFds[2];
    ASSERT_EQ(pipe2(pipeFds, O_CLOEXEC), 0);
    std::string why;
    const bool started = StartChild(
        &xvfb_,
        {"Xvfb", "-displayfd", "3", "-screen", "0", "800x800x24", "-nolisten", "tcp", "-noreset"},
        {}, scratch + "/xvfb.log", pipeFds[1], &why);
    close(pipeFds[1]);
    const std::string number = started ? ReadDisplayNumber(pipeFds[0], 15000) : std::string();
    close(pipeFds[0]);
    ASSERT_TRUE(started) << why;
    ASSERT_FALSE(number.empty()) << "Xvfb gave no display number: "
                                 << TailOfFile(scratch + "/xvfb.log", 2000);
    display_ = ":" + number;
}

void RealWindowTest::TearDown()
{
    KillChild(&program_);
    KillChild(&xvfb_);
    if (scratch.empty())
        return;
    if (HasFailure()) {
        std::printf("screenshots and logs kept in %s\n", scratch.c_str());
        return;
    }
    std::error_code ignored;
    fs::remove_all(scratch, ignored);
}

bool RealWindowTest::Xdotool(const std::vector<std::string>& args, std::string* output)
{
    std::vector<std::string> argv = {"xdotool"};
    argv.insert(argv.end(), args.begin(), args.end());
    std::string out, why;
    const bool ok = RunCommand(argv, {{"DISPLAY", display_}}, 10000, &out, &why);
    if (output)
        *output = out;
    return ok;
}

EnvChanges RealWindowTest::ProgramEnvironment() const
{
    return {
        {"DISPLAY", display_},
        {"WAYLAND_DISPLAY", ""},
        {"SDL_VIDEODRIVER", "x11"},
        {"CROSSWORD_BACKEND", "sdl2"},
        {"CROSSWORD_SCALE", std::to_string(kScale)},
        {"CROSSWORD_DEVICE_ROOT", deviceRoot},
    };
}

bool RealWindowTest::RunAgain(const std::string& program, const std::vector<std::string>& args,
                              int timeoutMs)
{
    std::vector<std::string> argv = {ProgramPath(program)};
    argv.insert(argv.end(), args.begin(), args.end());
    std::string out, why;
    const bool ok = RunCommand(argv, ProgramEnvironment(), timeoutMs, &out, &why);
    EXPECT_TRUE(ok) << "the second start of " << program << ": " << why << "\n" << out;
    return ok;
}

bool RealWindowTest::StartProgram(const std::string& program, const std::vector<std::string>& args)
{
    const std::string path = ProgramPath(program);
    if (!fs::exists(path)) {
        ADD_FAILURE() << path << " does not exist (not built, or not installed by the fixture)";
        return false;
    }
    std::printf("running %s on display %s\n", path.c_str(), display_.c_str());
    const EnvChanges env = ProgramEnvironment();
    std::vector<std::string> argv = {path};
    argv.insert(argv.end(), args.begin(), args.end());
    std::string why;
    if (!StartChild(&program_, argv, env, scratch + "/" + program + ".log", -1, &why)) {
        ADD_FAILURE() << why;
        return false;
    }
    // A sanitizer build starts slowly: the deadline is generous, the poll is quick.
    const auto deadline = Clock::now() + std::chrono::seconds(40);
    while (Clock::now() < deadline) {
        std::string found;
        if (Xdotool({"search", "--onlyvisible", "--pid", std::to_string(program_.pid)}, &found) &&
            !found.empty()) {
            window_ = found.substr(0, found.find('\n'));
            // Pointer-root focus would do, but an explicit focus keeps keys on this window.
            Xdotool({"windowfocus", window_});
            return true;
        }
        if (WaitChild(&program_, 0)) {
            ADD_FAILURE() << program << " ended before showing a window ("
                          << DescribeStatus(program_.status)
                          << "): " << TailOfFile(program_.logPath, 4000);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
    ADD_FAILURE() << program << " showed no window in 40 s: " << TailOfFile(program_.logPath, 4000);
    return false;
}

bool RealWindowTest::Tap(int x, int y)
{
    const bool ok = Xdotool({"mousemove", "--window", window_, std::to_string(x * kScale),
                             std::to_string(y * kScale), "click", "1"});
    EXPECT_TRUE(ok) << "xdotool could not tap at " << x << ", " << y;
    return ok;
}

bool RealWindowTest::Type(const std::string& text)
{
    const bool ok = Xdotool({"type", "--delay", "60", text});
    EXPECT_TRUE(ok) << "xdotool could not type " << text;
    return ok;
}

bool RealWindowTest::Key(const std::string& keys)
{
    const bool ok = Xdotool({"key", keys});
    EXPECT_TRUE(ok) << "xdotool could not press " << keys;
    return ok;
}

bool RealWindowTest::Keys(const std::vector<std::string>& keys)
{
    std::vector<std::string> args = {"key"};
    args.insert(args.end(), keys.begin(), keys.end());
    const bool ok = Xdotool(args);
    EXPECT_TRUE(ok) << "xdotool could not press " << keys.size() << " keys";
    return ok;
}

bool RealWindowTest::Shoot(Screenshot* shot)
{
    const std::string path = scratch + "/shot-" + std::to_string(++shots_) + ".ppm";
    std::string out, why;
    if (!RunCommand(
            {"import", "-display", display_, "-window", window_, "-depth", "8", "ppm:" + path}, {},
            15000, &out, &why)) {
        ADD_FAILURE() << "no screenshot: " << why;
        return false;
    }
    if (!ReadPpm(path, kScale, shot, &why)) {
        ADD_FAILURE() << why;
        return false;
    }
    return true;
}

bool RealWindowTest::WaitForScreen(const char* what,
                                   const std::function<bool(const Screenshot&)>& ready,
                                   Screenshot* shot, int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    do {
        if (!Shoot(shot))
            return false;
        if (ready(*shot))
            return true;
        if (WaitChild(&program_, 0)) {
            ADD_FAILURE() << "the program ended (" << DescribeStatus(program_.status)
                          << ") while waiting for " << what << ": "
                          << TailOfFile(program_.logPath, 4000);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (Clock::now() < deadline);
    ADD_FAILURE() << "the window never showed " << what << " in " << timeoutMs
                  << " ms; last picture " << scratch << "/shot-" << shots_ << ".ppm";
    return false;
}

bool RealWindowTest::WaitForStill(Screenshot* shot, int timeoutMs)
{
    Screenshot previous;
    if (!Shoot(&previous))
        return false;
    const DeviceRect whole = {0, 0, previous.width / kScale, previous.height / kScale};
    return WaitForScreen(
        "a settled picture",
        [&](const Screenshot& current) {
            const bool still = !Differs(previous, current, whole);
            previous = current;
            return still;
        },
        shot, timeoutMs);
}

void RealWindowTest::KillProgram()
{
    KillChild(&program_);
}

void RealWindowTest::EndDisplay()
{
    KillChild(&xvfb_);
}

bool RealWindowTest::WaitForExitWithZero(int timeoutMs)
{
    if (!WaitChild(&program_, timeoutMs)) {
        ADD_FAILURE() << "the program did not end within " << timeoutMs << " ms";
        return false;
    }
    const bool zero = WIFEXITED(program_.status) && WEXITSTATUS(program_.status) == 0;
    EXPECT_TRUE(zero) << "the program " << DescribeStatus(program_.status) << ": "
                      << TailOfFile(program_.logPath, 4000);
    return zero;
}
