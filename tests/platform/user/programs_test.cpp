// Other programs: the single-instance window registry shared between processes, and
// CreateProcessW with the device's help viewer and browser.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "files/device_path.h"
#include "message_trace.h"

namespace {

using ProgramsTest = UserTest;

// A running copy of the instance helper with its standard output on a pipe.
struct Helper {
    pid_t pid = -1;
    FILE* out = nullptr;

    // The helper with `args` (its window's title, or a look-up).
    bool Start(std::vector<const char*> args)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return false;
        args.insert(args.begin(), USER_INSTANCE_HELPER);
        args.push_back(nullptr);
        pid = fork();
        if (pid == 0) {
            dup2(fds[1], 1);
            close(fds[0]);
            close(fds[1]);
            execv(USER_INSTANCE_HELPER, const_cast<char* const*>(args.data()));
            _exit(127);
        }
        close(fds[1]);
        out = fdopen(fds[0], "r");
        return pid > 0 && out;
    }

    std::string ReadLine()
    {
        char line[64] = "";
        if (!fgets(line, sizeof line, out))
            return "";
        line[strcspn(line, "\n")] = 0;
        return line;
    }

    int Wait()
    {
        int status = 0;
        waitpid(pid, &status, 0);
        fclose(out);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

TEST_F(ProgramsTest, FindWindowFindsTheWindowOfAnotherCopyAndSetForegroundWindowRaisesIt)
{
    RegisterTraceClass(u"InstanceTest");  // our own class of the same name stays local
    EXPECT_EQ(FindWindowW(u"InstanceTest", u"First Copy"), nullptr);

    Helper helper;
    ASSERT_TRUE(helper.Start({"First Copy"}));
    ASSERT_EQ(helper.ReadLine(), "ready");

    HWND other = FindWindowW(u"instancetest", u"First Copy");
    ASSERT_NE(other, nullptr);
    EXPECT_TRUE(IsWindow(other));
    EXPECT_EQ(FindWindowW(u"InstanceTest", u"First Copy"), other);  // one handle per window
    EXPECT_EQ(FindWindowW(u"InstanceTest", u"Other Title"), nullptr);
    WCHAR title[32];
    EXPECT_EQ(GetWindowTextW(other, title, 32), 10);
    EXPECT_EQ(std::u16string(title), u"First Copy");
    EXPECT_FALSE(IsWindowVisible(other));  // nothing of it is on this device's screen
    EXPECT_EQ(SendMessageW(other, WM_USER, 0, 0), 0);

    // The program's idiom: the handle with its lowest bit set.
    EXPECT_TRUE(
        SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<uintptr_t>(other) | 1)));
    EXPECT_EQ(helper.ReadLine(), "raised");
    EXPECT_EQ(helper.Wait(), 0);

    // A copy that has ended is forgotten.
    EXPECT_FALSE(IsWindow(other));
    EXPECT_FALSE(SetForegroundWindow(other));
    EXPECT_EQ(FindWindowW(u"InstanceTest", u"First Copy"), nullptr);
}

// A copy that died and whose parent has not collected it yet (a zombie) is no running copy: a
// second start that took it for one would hand it a file that nobody opens.
TEST_F(ProgramsTest, ACopyThatDiedIsForgottenBeforeItsParentCollectsIt)
{
    Helper helper;
    ASSERT_TRUE(helper.Start({"Dying Copy"}));
    ASSERT_EQ(helper.ReadLine(), "ready");
    ASSERT_NE(FindWindowW(u"InstanceTest", u"Dying Copy"), nullptr);
    kill(helper.pid, SIGKILL);
    siginfo_t info = {};
    ASSERT_EQ(waitid(P_PID, id_t(helper.pid), &info, WEXITED | WNOWAIT), 0);  // a zombie now
    EXPECT_EQ(FindWindowW(u"InstanceTest", u"Dying Copy"), nullptr);
    helper.Wait();
}

// The registry file is written when a window comes or goes, never for a new title (a clock in
// the title changes it every second) nor for a look-up: another copy finds the window by its
// class, and by the title it was created with.
TEST_F(ProgramsTest, TheRegistryIsWrittenOnlyWhenAWindowComesOrGoes)
{
    RegisterTraceClass(u"Listed");
    HWND hwnd = CreateWindowExW(0, u"Listed", u"Before", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                nullptr);
    const std::string path = DeviceRootHostPath() + "/.live-windows";
    auto registry = [&] {
        std::string text;
        if (FILE* f = fopen(path.c_str(), "r")) {
            char buf[1024];
            size_t n = fread(buf, 1, sizeof buf, f);
            text.assign(buf, n);
            fclose(f);
        }
        return text;
    };
    EXPECT_NE(registry().find("Listed\tBefore"), std::string::npos);
    // Back-dated: any write makes the modification time the present.
    const timespec past[2] = {{1000000, 0}, {1000000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), past, 0), 0);
    SetWindowTextW(hwnd, u"After 0:01");
    SetWindowTextW(hwnd, u"After 0:02");
    for (auto args : {std::vector<const char*>{"--find", "listed"},
                      std::vector<const char*>{"--find", "Listed", "Before"}}) {
        Helper finder;
        ASSERT_TRUE(finder.Start(args));
        EXPECT_EQ(finder.ReadLine(), "found Before");
        EXPECT_EQ(finder.Wait(), 0);
    }
    struct stat written = {};
    ASSERT_EQ(stat(path.c_str(), &written), 0);
    EXPECT_EQ(written.st_mtim.tv_sec, 1000000);
    DestroyWindow(hwnd);
    EXPECT_EQ(registry().find("Listed"), std::string::npos);
}

TEST_F(ProgramsTest, SendMessageCarriesCopyDataToTheWindowOfAnotherCopyAndBringsItsAnswer)
{
    Helper helper;
    ASSERT_TRUE(helper.Start({"Receiving Copy"}));
    ASSERT_EQ(helper.ReadLine(), "ready");
    HWND other = FindWindowW(u"InstanceTest", u"Receiving Copy");
    ASSERT_NE(other, nullptr);

    char text[] = "\\My Documents\\x.puz";
    COPYDATASTRUCT data = {7, DWORD(sizeof text - 1), text};
    EXPECT_EQ(SendMessageW(other, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)),
              LRESULT(sizeof text - 1 + 1000));
    EXPECT_EQ(helper.ReadLine(), "copydata 7 \\My Documents\\x.puz");
    EXPECT_EQ(helper.Wait(), 0);

    // Nothing is left behind, and a copy that has ended answers nothing.
    EXPECT_TRUE(std::filesystem::is_empty(DeviceRootHostPath() + "/.messages"));
    SetLastError(0);
    EXPECT_EQ(SendMessageW(other, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)), 0);
    EXPECT_TRUE(std::filesystem::is_empty(DeviceRootHostPath() + "/.messages"));
}

// A host file with `bytes` at `path`.
void WriteHostFile(const std::string& path, const char* bytes)
{
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fputs(bytes, f);
    fclose(f);
}

std::string DeviceFileText(LPCWSTR path)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "(missing)";
    char bytes[64] = "";
    DWORD read = 0;
    ReadFile(file, bytes, sizeof bytes, &read, nullptr);
    CloseHandle(file);
    return std::string(bytes, read);
}

TEST_F(ProgramsTest, ADroppedFileComesIntoMyDocumentsWithoutOverwritingAnother)
{
    const std::string outside = testing::TempDir() + "dropped/";
    std::filesystem::create_directories(outside + "other");
    WriteHostFile(outside + "Dropped Puzzle.puz", "puzzle bytes");
    WriteHostFile(outside + "other/Dropped Puzzle.puz", "other bytes");
    WriteHostFile(outside + "a:b?.puz", "odd name");
    AutomationDropFile(outside + "Dropped Puzzle.puz");
    AutomationDropFile(outside + "no such file.puz");          // ignored
    AutomationDropFile(outside + "Dropped Puzzle.puz");        // the same bytes: already there
    AutomationDropFile(outside + "other/Dropped Puzzle.puz");  // another file of that name
    AutomationDropFile(outside + "other/Dropped Puzzle.puz");
    AutomationDropFile(outside + "a:b?.puz");
    ASSERT_TRUE(AutomationRunUntilIdle());
    std::filesystem::remove_all(outside);

    // Names match case-insensitively on the device.
    EXPECT_EQ(DeviceFileText(u"\\My Documents\\dropped puzzle.puz"), "puzzle bytes");
    EXPECT_EQ(DeviceFileText(u"\\My Documents\\Dropped Puzzle (2).puz"), "other bytes");
    EXPECT_EQ(DeviceFileText(u"\\My Documents\\a_b_.puz"), "odd name");
    std::vector<std::u16string> names;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(u"\\My Documents\\*", &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    do {
        names.push_back(data.cFileName);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    // Nothing half-copied is left beside them, and nothing was copied twice.
    EXPECT_EQ(names, (std::vector<std::u16string>{u"a_b_.puz", u"Dropped Puzzle (2).puz",
                                                  u"Dropped Puzzle.puz"}));
}

TEST_F(ProgramsTest, TheHelpViewerAndTheBrowserAreRecordedAndOtherProgramsFail)
{
    WCHAR help[] = u"Quorvale.htm#contact_us";
    EXPECT_TRUE(CreateProcessW(u"PegHelp.exe", help, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               nullptr, nullptr));
    WCHAR address[] = u"http://www.example.com/crossword";
    PROCESS_INFORMATION info = {};
    EXPECT_TRUE(CreateProcessW(u"iexplore.exe", address, nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, nullptr, &info));
    EXPECT_EQ(info.hProcess, nullptr);
    WCHAR line[] = u"\\Windows\\PEGHELP.EXE Tinsmere.htm";
    EXPECT_TRUE(CreateProcessW(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr,
                               nullptr));
    SetLastError(0);
    WCHAR none[] = u"";
    EXPECT_FALSE(CreateProcessW(u"solitaire.exe", none, nullptr, nullptr, FALSE, 0, nullptr,
                                nullptr, nullptr, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));

    const auto& started = AutomationStartedPrograms();
    ASSERT_EQ(started.size(), 4u);
    std::string windows;
    ASSERT_TRUE(DevicePathToHostPath(u"\\Windows", &windows));
    EXPECT_EQ(started[0].program, u"PegHelp.exe");
    EXPECT_EQ(started[0].commandLine, u"Quorvale.htm#contact_us");
    EXPECT_EQ(started[0].target, "file://" + windows + "/Quorvale.htm#contact_us");
    EXPECT_TRUE(started[0].started);
    EXPECT_EQ(started[1].target, "http://www.example.com/crossword");
    EXPECT_EQ(started[2].program, u"\\Windows\\PEGHELP.EXE");
    EXPECT_EQ(started[2].target, "file://" + windows + "/Tinsmere.htm");
    EXPECT_FALSE(started[3].started);
    EXPECT_TRUE(started[3].target.empty());
}

}  // namespace
