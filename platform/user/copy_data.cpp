// WM_COPYDATA between copies running on one device root: the one message that carries bytes
// to a window of another process, and so lets a second start hand its file to the running
// copy. The sender writes a request file into the root's ".messages" folder (through a
// temporary name, so it is whole when seen), wakes the owner with SIGUSR2 and waits for the
// reply file. The owner's message loop takes the request, hands the bytes to the window
// procedure while it is still sent (as on the handheld, inside GetMessage or PeekMessage of
// whichever loop runs) and writes the result back. Deleting the request is how either side
// claims it: the owner to handle it, the sender to withdraw it after a time-out.
#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "files/device_path.h"
#include "user/user_internal.h"
#include "user/window_internal.h"
#include "winbase.h"
#include "winerror.h"

namespace {

using Clock = std::chrono::steady_clock;

// A request not taken in this time is withdrawn; a taken one is waited for while its owner
// lives, up to the longer limit (a window procedure that opens a dialog holds the sender).
constexpr auto kUntakenLimit = std::chrono::seconds(5);
constexpr auto kTakenLimit = std::chrono::seconds(60);
constexpr auto kPoll = std::chrono::milliseconds(2);

std::string Folder()
{
    const std::string folder = DeviceRootHostPath() + "/.messages";
    mkdir(folder.c_str(), 0700);
    return folder;
}

// "<owner pid>-<owner start>-": the requests addressed to one process.
std::string OwnerPrefix(int pid, unsigned long long start)
{
    return std::to_string(pid) + "-" + std::to_string(start) + "-";
}

bool WriteWhole(const std::string& path, const std::string& bytes)
{
    const std::string part = path + ".part";
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        if (!out.flush()) {
            std::remove(part.c_str());
            return false;
        }
    }
    return std::rename(part.c_str(), path.c_str()) == 0;
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Exists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

// Hands one request to its window and writes the reply. `stem` is the request's name less
// ".msg"; it names the sender: "<owner>-<start>-<sender pid>-<sender start>-<sequence>".
void Deliver(const std::string& folder, const std::string& stem, const std::string& request)
{
    unsigned long long handle = 0, from = 0, dwData = 0, size = 0;
    std::istringstream head(request.substr(0, request.find('\n')));
    head >> std::hex >> handle >> from >> std::dec >> dwData >> size;
    const size_t body = request.find('\n') + 1;
    if (!head || body == 0 || request.size() - body != size)
        return;
    int owner = 0, senderPid = 0;
    unsigned long long ownerStart = 0, senderStart = 0;
    std::sscanf(stem.c_str(), "%d-%llu-%d-%llu-", &owner, &ownerStart, &senderPid, &senderStart);

    LRESULT result = 0;
    UserWindow* w = LocalWindow(reinterpret_cast<HWND>(uintptr_t(handle)));
    if (w && !w->parent && !w->destroying) {
        // The sending window, when it is one the registry lists, as this process's handle
        // for it; the sender's own handle value means nothing here.
        UserWindow* sender =
            from ? RegistryWindowOf(senderPid, senderStart, uintptr_t(from)) : nullptr;
        std::string bytes = request.substr(body);
        COPYDATASTRUCT data = {ULONG_PTR(dwData), DWORD(size), bytes.data()};
        result = UserSend(w, WM_COPYDATA, WPARAM(sender ? sender->handle : nullptr),
                          reinterpret_cast<LPARAM>(&data));
    }
    if (RegistryProcessStart(senderPid) == senderStart)  // nobody to read a late reply
        WriteWhole(folder + "/" + stem + ".reply", std::to_string(result));
}

}  // namespace

LRESULT RemoteSendCopyData(const UserWindow* remote, WPARAM from, const COPYDATASTRUCT* data)
{
    if (!data || (data->cbData && !data->lpData) || !RegistryIsAlive(remote))
        return 0;
    static int sequence = 0;
    const std::string folder = Folder();
    const std::string stem = folder + "/" + OwnerPrefix(remote->remotePid, remote->remoteStart) +
                             std::to_string(getpid()) + "-" +
                             std::to_string(RegistryProcessStart(getpid())) + "-" +
                             std::to_string(++sequence);
    char head[96];
    std::snprintf(head, sizeof head, "%llx %llx %llu %lu\n",
                  static_cast<unsigned long long>(remote->remoteHandle),
                  static_cast<unsigned long long>(from),
                  static_cast<unsigned long long>(data->dwData),
                  static_cast<unsigned long>(data->cbData));
    std::string request = head;
    request.append(static_cast<const char*>(data->lpData), data->cbData);
    if (!WriteWhole(stem + ".msg", request) || kill(remote->remotePid, SIGUSR2) != 0) {
        std::remove((stem + ".msg").c_str());
        return 0;
    }

    const Clock::time_point start = Clock::now();
    bool taken = false;
    for (int round = 0;; ++round) {
        if (Exists(stem + ".reply")) {
            const LRESULT result = std::stoll("0" + ReadAll(stem + ".reply"));
            std::remove((stem + ".reply").c_str());
            return result;
        }
        taken = taken || !Exists(stem + ".msg");
        const auto waited = Clock::now() - start;
        const bool alive =
            round % 50 != 0 || RegistryProcessStart(remote->remotePid) == remote->remoteStart;
        if (!taken && (waited > kUntakenLimit || !alive) &&
            std::remove((stem + ".msg").c_str()) == 0) {
            SetLastError(ERROR_TIMEOUT);
            return 0;
        }
        if (taken && (waited > kTakenLimit || !alive)) {
            SetLastError(ERROR_TIMEOUT);
            return 0;
        }
        std::this_thread::sleep_for(kPoll);
    }
}

void UserTakeRemoteMessages()
{
    const std::string folder = Folder();
    const std::string prefix = OwnerPrefix(getpid(), RegistryProcessStart(getpid()));
    std::vector<std::string> stems;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name.rfind(prefix, 0) == 0 && name.size() > 4 &&
                name.compare(name.size() - 4, 4, ".msg") == 0)
                stems.push_back(name.substr(0, name.size() - 4));
        }
        closedir(dir);
    }
    for (const std::string& stem : stems) {
        const std::string path = folder + "/" + stem + ".msg";
        const std::string request = ReadAll(path);
        if (std::remove(path.c_str()) == 0)  // withdrawn by its sender when this fails
            Deliver(folder, stem, request);
    }
}
