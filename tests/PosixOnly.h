#pragma once

// The POSIX calls a few tests make to set up a fault: a pipe in a file's place, a file size limit
// that makes a write fail. Windows has neither: such a test is skipped there with its reason
// (SIM_SKIP_ON_WINDOWS), and the declarations below only let its body compile.

#include <gtest/gtest.h>

#include <cerrno>

#include "common/Platform.h"

#define SIM_SKIP_ON_WINDOWS(reason)         \
    if (::sim::platform::kWindows) {        \
        GTEST_SKIP() << "Windows: " reason; \
    }

#ifdef _WIN32
#include <csignal>
#define SIGXFSZ SIGTERM
#define RLIMIT_FSIZE 1
using rlim_t = unsigned long long;
struct rlimit {
    rlim_t rlim_cur = 0;
    rlim_t rlim_max = 0;
};
inline int getrlimit(int, rlimit*) {
    errno = ENOSYS;
    return -1;
}
inline int setrlimit(int, const rlimit*) {
    errno = ENOSYS;
    return -1;
}
inline int mkfifo(const char*, int) {
    errno = ENOSYS;
    return -1;
}
// Child processes and signals, for the tests that start the runner beside themselves and stop
// it: each such test skips on Windows first, so none of these is ever reached there.
#include <io.h>
#include <process.h>
#include <sys/types.h>
#define SIGKILL 9
#define WNOHANG 1
#define WIFEXITED(status) ((status) >= 0)
#define WEXITSTATUS(status) (status)
#define WIFSIGNALED(status) ((void)(status), false)
#define RUSAGE_SELF 0
struct rusage {
    long ru_maxrss = 0;
};
inline int getrusage(int, rusage*) {
    errno = ENOSYS;
    return -1;
}
inline pid_t fork() {
    errno = ENOSYS;
    return -1;
}
inline int kill(pid_t, int) {
    errno = ENOSYS;
    return -1;
}
inline pid_t waitpid(pid_t, int*, int) {
    errno = ENOSYS;
    return -1;
}
inline int pipe(int*) {
    errno = ENOSYS;
    return -1;
}
inline int pause() {
    return -1;
}
inline unsigned geteuid() {
    return 1000;
}
#else
#include <sys/wait.h>
#include <unistd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#endif
