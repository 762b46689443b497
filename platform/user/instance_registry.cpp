// The registry of live top-level windows shared by every copy running on one device root,
// so FindWindowW finds the window of an earlier copy and SetForegroundWindow raises it. It is
// a small text file in the device root, one line per window (pid, process start time,
// handle, class, title), read and edited under an exclusive lock; lines of processes that are
// gone are dropped whenever the file is read. It is written only when that changes what it
// says: a window comes or goes, or a copy has ended. A window is listed with the title it was
// created with, which is what other copies look for (a clock in a title would otherwise
// rewrite the file every second). A raise request is SIGUSR1 to the owning process;
// WM_COPYDATA to a listed window travels through copy_data.cpp.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "files/device_path.h"
#include "strings/case_fold.h"
#include "user/user_internal.h"
#include "user/window_internal.h"

namespace {

struct Entry {
    int pid;
    unsigned long long start;
    uintptr_t handle;
    std::string cls;    // UTF-8
    std::string title;  // UTF-8
};

std::string Utf8(const std::u16string& s)
{
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        uint32_t c = s[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        }
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u16string Utf16(const std::string& s)
{
    std::u16string out;
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        uint32_t c = b;
        int extra = 0;
        if (b >= 0xF0) {
            c = b & 0x07;
            extra = 3;
        } else if (b >= 0xE0) {
            c = b & 0x0F;
            extra = 2;
        } else if (b >= 0xC0) {
            c = b & 0x1F;
            extra = 1;
        }
        ++i;
        for (int k = 0; k < extra && i < s.size(); ++k, ++i)
            c = (c << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
        if (c >= 0x10000) {
            c -= 0x10000;
            out += char16_t(0xD800 + (c >> 10));
            out += char16_t(0xDC00 + (c & 0x3FF));
        } else {
            out += char16_t(c);
        }
    }
    return out;
}

// Field 22 of /proc/<pid>/stat: when the process started, so a reused pid is not mistaken
// for the copy that registered the window. 0 when the process does not exist or has ended
// (a zombie, whose parent has not collected it yet, still has a stat line: it answers no
// message and must not be taken for a running copy).
unsigned long long ProcessStart(int pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(in, line))
        return 0;
    const size_t close = line.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    // Fields after the command: state is field 3; the start time is field 22.
    for (int i = 3; i <= 22; ++i) {
        if (!(fields >> field))
            return 0;
        if (i == 3 && (field == "Z" || field == "X"))
            return 0;
    }
    return std::stoull(field);
}

bool Alive(const Entry& e)
{
    return e.start != 0 && ProcessStart(e.pid) == e.start;
}

unsigned long long OwnStart()
{
    static const unsigned long long start = ProcessStart(getpid());
    return start;
}

// Runs `edit` on the entries of the live processes while the file is locked, then writes
// the result back when it differs from what the file holds.
template <typename Edit> void WithRegistry(Edit edit)
{
    const std::string path = DeviceRootHostPath() + "/.live-windows";
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    flock(fd, LOCK_EX);
    std::string text;
    char buf[4096];
    for (ssize_t n; (n = read(fd, buf, sizeof buf)) > 0;)
        text.append(buf, size_t(n));
    std::vector<Entry> entries;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> f;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');)
            f.push_back(cell);
        if (f.size() < 4)
            continue;
        Entry e = {std::atoi(f[0].c_str()), std::strtoull(f[1].c_str(), nullptr, 10),
                   uintptr_t(std::strtoull(f[2].c_str(), nullptr, 16)), f[3],
                   f.size() > 4 ? f[4] : std::string()};
        if (Alive(e))
            entries.push_back(e);
    }
    edit(&entries);
    std::string out;
    for (const Entry& e : entries) {
        char head[96];
        std::snprintf(head, sizeof head, "%d\t%llu\t%llx\t", e.pid, e.start,
                      static_cast<unsigned long long>(e.handle));
        out += head + e.cls + "\t" + e.title + "\n";
    }
    if (out != text && ftruncate(fd, 0) == 0 && lseek(fd, 0, SEEK_SET) == 0) {
        for (size_t done = 0; done < out.size();) {
            const ssize_t n = write(fd, out.data() + done, out.size() - done);
            if (n <= 0)
                break;
            done += size_t(n);
        }
    }
    flock(fd, LOCK_UN);
    close(fd);
}

bool Mine(const Entry& e, uintptr_t handle)
{
    return e.pid == getpid() && e.handle == handle;
}

}  // namespace

void RegistryAdd(const UserWindow* w)
{
    UserInstallRaiseHandler();
    const auto handle = reinterpret_cast<uintptr_t>(w->handle);
    Entry mine = {getpid(), OwnStart(), handle, Utf8(w->cls->name), Utf8(w->text)};
    WithRegistry([&](std::vector<Entry>* entries) {
        for (Entry& e : *entries) {
            if (Mine(e, handle)) {
                e = mine;
                return;
            }
        }
        entries->push_back(mine);
    });
}

void RegistryRemove(const UserWindow* w)
{
    const auto handle = reinterpret_cast<uintptr_t>(w->handle);
    WithRegistry([&](std::vector<Entry>* entries) {
        std::erase_if(*entries, [&](const Entry& e) { return Mine(e, handle); });
    });
}

namespace {

// The local handle that stands for a listed window of another copy: one for each remote
// window for as long as this process runs.
UserWindow* ProxyFor(const Entry& found)
{
    for (auto& [key, w] : UserGlobals().windows) {
        if (w->remotePid == found.pid && w->remoteStart == found.start &&
            w->remoteHandle == found.handle)
            return w.get();
    }
    auto owned = std::make_unique<UserWindow>();
    UserWindow* w = owned.get();
    *w = UserWindow{};
    w->handle = reinterpret_cast<HWND>(UserGlobals().nextHandle++ << 2);
    w->remotePid = found.pid;
    w->remoteStart = found.start;
    w->remoteClass = Utf16(found.cls);
    w->text = Utf16(found.title);
    w->remoteHandle = found.handle;
    UserGlobals().windows.emplace(reinterpret_cast<uintptr_t>(w->handle), std::move(owned));
    return w;
}

}  // namespace

UserWindow* RegistryFind(LPCWSTR className, LPCWSTR title)
{
    const std::string text = title ? Utf8(title) : std::string();
    Entry found = {};
    WithRegistry([&](std::vector<Entry>* entries) {
        for (const Entry& e : *entries) {
            if (e.pid == getpid())
                continue;
            if (className && CompareFolded(Utf16(e.cls), className) != 0)
                continue;
            if (title && e.title != text)
                continue;
            found = e;
            return;
        }
    });
    return found.pid ? ProxyFor(found) : nullptr;
}

UserWindow* RegistryWindowOf(int pid, unsigned long long start, uintptr_t handle)
{
    Entry found = {};
    WithRegistry([&](std::vector<Entry>* entries) {
        for (const Entry& e : *entries) {
            if (e.pid == pid && e.start == start && e.handle == handle && pid != getpid())
                found = e;
        }
    });
    return found.pid ? ProxyFor(found) : nullptr;
}

unsigned long long RegistryProcessStart(int pid)
{
    return pid == getpid() ? OwnStart() : ProcessStart(pid);
}

bool RegistryIsAlive(const UserWindow* remote)
{
    bool alive = false;
    WithRegistry([&](std::vector<Entry>* entries) {
        for (const Entry& e : *entries) {
            if (e.pid == remote->remotePid && e.start == remote->remoteStart &&
                e.handle == remote->remoteHandle)
                alive = true;
        }
    });
    return alive;
}

bool RegistryRaise(const UserWindow* remote)
{
    return RegistryIsAlive(remote) && kill(remote->remotePid, SIGUSR1) == 0;
}
