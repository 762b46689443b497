// Child processes for the end-to-end tests: started with a chosen environment, tied to the
// test process so that none outlives it (even when the test is killed at its time-out), and
// waited for with a deadline, never without one.
#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

// Environment changes for a child: a value replaces the inherited one, an empty value
// removes the variable.
using EnvChanges = std::map<std::string, std::string>;

// A started child. Destroying it kills the child (SIGKILL) and reaps it, so every path out of
// a test, a failed assertion included, leaves no process behind.
struct ChildProcess {
    pid_t pid = -1;       // -1 once reaped or when the start failed
    int status = 0;       // waitpid status after it ended
    std::string logPath;  // where its standard output and error went

    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();
};

// Starts argv[0] (searched in PATH) with the environment changed by `env`, its output into
// `logPath` (or /dev/null when empty). `keepFd`, when not -1, is passed on as descriptor 3.
// False and `why` when it could not be started.
bool StartChild(ChildProcess* child, const std::vector<std::string>& argv, const EnvChanges& env,
                const std::string& logPath, int keepFd, std::string* why);

// Waits until the child ends or `timeoutMs` passes; true when it ended (status is set).
bool WaitChild(ChildProcess* child, int timeoutMs);

// Kills and reaps the child; nothing when it already ended.
void KillChild(ChildProcess* child);

// "exited with 0", "killed by signal 6", ... for messages.
std::string DescribeStatus(int status);

// Runs a short command to its end with a deadline, returning its standard output. False and
// `why` when it could not start, ran past the deadline (it is then killed) or did not exit
// with 0.
bool RunCommand(const std::vector<std::string>& argv, const EnvChanges& env, int timeoutMs,
                std::string* output, std::string* why);

// The last `maxBytes` of a file, for failure messages.
std::string TailOfFile(const std::string& path, size_t maxBytes);
