// CreateProcessW: the device starts only its help viewer and its browser, both of which
// become the host's browser through xdg-open. Under the headless backend the calls are only
// recorded, so tests can check what would have opened without anything opening.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "automation.h"
#include "backend/backend.h"
#include "files/device_path.h"
#include "processthreadsapi.h"
#include "winbase.h"
#include "winerror.h"

namespace {

std::vector<ProgramStartRecord> gStarted;

std::u16string Lower(std::u16string s)
{
    for (char16_t& c : s) {
        if (c >= u'A' && c <= u'Z')
            c = char16_t(c + 32);
    }
    return s;
}

std::u16string BaseName(const std::u16string& path)
{
    const size_t slash = path.find_last_of(u"\\/");
    return slash == std::u16string::npos ? path : path.substr(slash + 1);
}

std::u16string Trim(const std::u16string& s)
{
    const size_t b = s.find_first_not_of(u' ');
    if (b == std::u16string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(u' ') - b + 1);
}

std::string Narrow(const std::u16string& s)
{
    std::string out;
    for (char16_t c : s)
        out += c < 0x80 ? char(c) : '?';
    return out;
}

// A host path as the path of a file:// URL.
std::string UrlPath(const std::string& path)
{
    static const char* kHex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : path) {
        if (isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            out += char(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

// "page.htm#anchor" -> file:// URL of "\Windows\page.htm" with the anchor.
std::string HelpTarget(const std::u16string& args)
{
    const size_t hash = args.find(u'#');
    std::u16string page = args.substr(0, hash);
    if (page.empty())
        return {};
    if (page[0] != u'\\')
        page = u"\\Windows\\" + page;
    std::string host;
    if (!DevicePathToHostPath(page.c_str(), &host))
        return {};
    std::string url = "file://" + UrlPath(host);
    if (hash != std::u16string::npos)
        url += "#" + Narrow(args.substr(hash + 1));
    return url;
}

// Opens `target` with xdg-open in a grandchild, so no zombie is left behind.
DWORD OpenOnHost(const std::string& target)
{
    const pid_t child = fork();
    if (child < 0)
        return 0;
    if (child == 0) {
        if (fork() == 0) {
            setsid();
            execlp("xdg-open", "xdg-open", target.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return DWORD(child);
}

// Whether the desktop's opener is on the PATH, so a document handed to it will be opened.
bool HostHasOpener()
{
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    size_t start = 0;
    while (start <= folders.size()) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        const std::string candidate = folders.substr(start, end - start) + "/xdg-open";
        if (end > start && access(candidate.c_str(), X_OK) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

BOOL WINAPI ShellExecuteExW(LPSHELLEXECUTEINFOW info)
{
    if (!info || !info->lpFile || (info->lpVerb && Lower(info->lpVerb) != u"open")) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    info->hInstApp = nullptr;
    std::string host;
    if (!DevicePathToHostPath(info->lpFile, &host) || access(host.c_str(), R_OK) != 0) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    ProgramStartRecord record = {info->lpFile, u"", "file://" + UrlPath(host), true};
    if (BackendCurrent()->opensOnHost) {
        record.started = HostHasOpener();
        if (record.started)
            OpenOnHost(record.target);
    }
    gStarted.push_back(record);
    if (!record.started) {
        SetLastError(ERROR_NO_ASSOCIATION);
        return FALSE;
    }
    info->hInstApp = reinterpret_cast<HINSTANCE>(intptr_t(42));
    return TRUE;
}

BOOL WINAPI CreateProcessW(LPCWSTR applicationName, LPWSTR commandLine, LPVOID, LPVOID, BOOL, DWORD,
                           LPVOID, LPCWSTR, LPSTARTUPINFOW,
                           LPPROCESS_INFORMATION processInformation)
{
    std::u16string program = applicationName ? applicationName : u"";
    std::u16string args = commandLine ? commandLine : u"";
    if (program.empty()) {
        // The program is the command line's first word, quoted or not.
        args = Trim(args);
        size_t end;
        if (!args.empty() && args[0] == u'"') {
            end = args.find(u'"', 1);
            program = args.substr(1, end == std::u16string::npos ? end : end - 1);
            end = end == std::u16string::npos ? args.size() : end + 1;
        } else {
            end = args.find(u' ');
            program = args.substr(0, end);
            end = end == std::u16string::npos ? args.size() : end;
        }
        args = args.substr(end);
    }
    args = Trim(args);
    const std::u16string name = Lower(BaseName(program));

    ProgramStartRecord record = {program, args, {}, false};
    if (name == u"peghelp.exe" || name == u"peghelp") {
        record.target = HelpTarget(args);
        record.started = true;
    } else if (name == u"iexplore.exe" || name == u"iexplore") {
        record.target = Narrow(args);
        record.started = true;
    }
    gStarted.push_back(record);
    if (processInformation)
        *processInformation = {nullptr, nullptr, 0, 0};
    if (!record.started) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    if (BackendCurrent()->opensOnHost && !record.target.empty()) {
        const DWORD pid = OpenOnHost(record.target);
        if (processInformation)
            processInformation->dwProcessId = pid;
    }
    return TRUE;
}

const std::vector<ProgramStartRecord>& AutomationStartedPrograms()
{
    return gStarted;
}

void AutomationResetPrograms()
{
    gStarted.clear();
}
