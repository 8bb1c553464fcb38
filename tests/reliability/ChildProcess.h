#pragma once

// Runs part of a test in a child process: for faults that would touch the whole test process
// (a file size limit), that could hang it (a read that never ends), or that need a user without
// root's power over file permissions.

#ifndef _WIN32
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace sim::testing {

struct ChildOptions {
    // Drop root's rights first (to nobody), so that file permissions hold. Without root the
    // permissions hold already.
    bool Unprivileged = false;
    // Limit every file the child writes to this many bytes, with SIGXFSZ ignored so that the
    // write fails as on a full disk.
    std::optional<std::uint64_t> FileSizeLimit;
    // A guard against a hang: the child is killed after this long.
    unsigned HangGuardSeconds = 60;

    // The folder the child works in; without root's rights it must still be reachable.
    std::string Folder;

    static ChildOptions AsUnprivileged(std::string folder) {
        ChildOptions o;
        o.Unprivileged = true;
        o.Folder = std::move(folder);
        return o;
    }
    static ChildOptions WithFileSizeLimit(std::uint64_t bytes) {
        ChildOptions o;
        o.FileSizeLimit = bytes;
        return o;
    }
    static ChildOptions WithHangGuard(unsigned seconds) {
        ChildOptions o;
        o.HangGuardSeconds = seconds;
        return o;
    }
};

struct ChildResult {
    bool Skipped = false;  // the child could not drop root's rights or reach its folder
    std::string SkipReason = "a child cannot give up root's rights here";
    bool Hung = false;     // killed by the hang guard
    bool Exited = false;   // ended normally
    std::string Output;    // what the body returned
};

#ifdef _WIN32
// Windows has no fork: a test that needs its fault in a child process is skipped there.
inline ChildResult RunInChild(const ChildOptions&, const std::function<std::string()>&) {
    ChildResult result;
    result.Skipped = true;
    result.SkipReason = "Windows: no fork, so no child process to hold the fault";
    return result;
}
#else
inline constexpr int kCannotDropRights = 77;
inline constexpr uid_t kNobody = 65534;

// The body's return value comes back through a pipe. The child ends with _exit, so it runs no
// destructors or exit handlers of the test process.
inline ChildResult RunInChild(const ChildOptions& options,
                              const std::function<std::string()>& body) {
    int fds[2];
    if (::pipe(fds) != 0) {
        return {};
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return {};
    }
    if (pid == 0) {
        ::close(fds[0]);
        ::alarm(options.HangGuardSeconds);
        if (options.Unprivileged && ::geteuid() == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
                ::_exit(kCannotDropRights);
            }
        }
        if (options.Unprivileged && ::access(options.Folder.c_str(), R_OK | X_OK) != 0) {
            ::_exit(kCannotDropRights);
        }
        if (options.FileSizeLimit) {
            ::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = static_cast<rlim_t>(*options.FileSizeLimit);
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
                ::_exit(2);
            }
        }
        const std::string output = body();
        std::size_t done = 0;
        while (done < output.size()) {
            const ssize_t n = ::write(fds[1], output.data() + done, output.size() - done);
            if (n <= 0) {
                ::_exit(3);
            }
            done += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    ChildResult result;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0) {
        result.Output.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.Skipped = WIFEXITED(status) && WEXITSTATUS(status) == kCannotDropRights;
    result.Hung = WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM;
    result.Exited = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
}
#endif

}  // namespace sim::testing
