// Child processes of the end-to-end tests, with fork and exec: the child asks the kernel to
// kill it when the test process dies (PR_SET_PDEATHSIG), which covers the case no destructor
// can, CTest killing a test that ran past its time-out.
#include "child_processes.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::string> ChangedEnvironment(const EnvChanges& env)
{
    std::vector<std::string> out;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        if (env.find(name) == env.end())
            out.push_back(entry);
    }
    for (const auto& [name, value] : env) {
        if (!value.empty())
            out.push_back(name + "=" + value);
    }
    return out;
}

std::vector<char*> Pointers(std::vector<std::string>& strings)
{
    std::vector<char*> out;
    for (std::string& s : strings)
        out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}

// Runs in the child between fork and exec: only async-signal-safe calls.
[[noreturn]] void ExecChild(pid_t parent, char** argv, char** envp, int outFd, int keepFd)
{
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent)  // the parent died before the request took effect
        _exit(127);
    const int null = open("/dev/null", O_RDONLY);
    if (null >= 0)
        dup2(null, 0);
    if (outFd >= 0) {
        dup2(outFd, 1);
        dup2(outFd, 2);
    }
    if (keepFd >= 0) {
        if (keepFd == 3)
            fcntl(3, F_SETFD, 0);  // dup2 onto itself would leave close-on-exec set
        else
            dup2(keepFd, 3);
    }
    execvpe(argv[0], argv, envp);
    _exit(127);
}

}  // namespace

ChildProcess::~ChildProcess()
{
    KillChild(this);
}

bool StartChild(ChildProcess* child, const std::vector<std::string>& argv, const EnvChanges& env,
                const std::string& logPath, int keepFd, std::string* why)
{
    std::vector<std::string> args = argv;
    std::vector<std::string> envStrings = ChangedEnvironment(env);
    std::vector<char*> argp = Pointers(args);
    std::vector<char*> envp = Pointers(envStrings);

    const int outFd = open(logPath.empty() ? "/dev/null" : logPath.c_str(),
                           O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (outFd < 0) {
        *why = "cannot open " + logPath + ": " + std::strerror(errno);
        return false;
    }
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0)
        ExecChild(parent, argp.data(), envp.data(), outFd, keepFd);
    close(outFd);
    if (pid < 0) {
        *why = std::string("fork: ") + std::strerror(errno);
        return false;
    }
    child->pid = pid;
    child->status = 0;
    child->logPath = logPath;
    return true;
}

bool WaitChild(ChildProcess* child, int timeoutMs)
{
    if (child->pid < 0)
        return true;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int status = 0;
        const pid_t got = waitpid(child->pid, &status, WNOHANG);
        if (got == child->pid) {
            child->status = status;
            child->pid = -1;
            return true;
        }
        if (got < 0 && errno != EINTR) {
            child->pid = -1;
            return true;
        }
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void KillChild(ChildProcess* child)
{
    if (child->pid < 0)
        return;
    kill(child->pid, SIGKILL);
    int status = 0;
    while (waitpid(child->pid, &status, 0) < 0 && errno == EINTR) {
    }
    child->status = status;
    child->pid = -1;
}

std::string DescribeStatus(int status)
{
    if (WIFEXITED(status))
        return "exited with " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return "killed by signal " + std::to_string(WTERMSIG(status));
    return "ended with status " + std::to_string(status);
}

bool RunCommand(const std::vector<std::string>& argv, const EnvChanges& env, int timeoutMs,
                std::string* output, std::string* why)
{
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        *why = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    std::vector<std::string> args = argv;
    std::vector<std::string> envStrings = ChangedEnvironment(env);
    std::vector<char*> argp = Pointers(args);
    std::vector<char*> envp = Pointers(envStrings);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0)
        ExecChild(parent, argp.data(), envp.data(), pipeFds[1], -1);
    close(pipeFds[1]);
    if (pid < 0) {
        close(pipeFds[0]);
        *why = std::string("fork: ") + std::strerror(errno);
        return false;
    }
    ChildProcess child;
    child.pid = pid;

    // Read until the child closes its end, then reap it; the deadline covers both.
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    output->clear();
    bool open = true;
    while (open) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            break;
        pollfd p = {pipeFds[0], POLLIN, 0};
        const int ready = poll(&p, 1, int(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            break;
        char buffer[4096];
        const ssize_t n = read(pipeFds[0], buffer, sizeof buffer);
        if (n > 0)
            output->append(buffer, size_t(n));
        else if (n == 0 || errno != EINTR)
            open = false;
    }
    close(pipeFds[0]);
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (open || !WaitChild(&child, int(std::max<long>(left.count(), 0)))) {
        *why = argv[0] + " ran past its " + std::to_string(timeoutMs) + " ms";
        return false;  // the child is killed as it goes out of scope
    }
    if (!WIFEXITED(child.status) || WEXITSTATUS(child.status) != 0) {
        *why = argv[0] + " " + DescribeStatus(child.status) + ": " + *output;
        return false;
    }
    return true;
}

std::string TailOfFile(const std::string& path, size_t maxBytes)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    const std::string text = all.str();
    return text.size() > maxBytes ? "..." + text.substr(text.size() - maxBytes) : text;
}
