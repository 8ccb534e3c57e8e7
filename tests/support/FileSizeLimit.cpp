#include "tests/support/FileSizeLimit.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

void LimitFileSize(qint64 bytes, bool survive)
{
    std::signal(SIGXFSZ, survive ? SIG_IGN : SIG_DFL);
    const rlimit limit{rlim_t(bytes), rlim_t(bytes)};
    setrlimit(RLIMIT_FSIZE, &limit);
}

int RunWithFileSizeLimit(qint64 bytes, bool survive, const std::function<int()>& work)
{
    const pid_t child = fork();
    if (child < 0)
        return -1000;
    if (child == 0) {
        LimitFileSize(bytes, survive);
        _exit(work());
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child)
        return -1000;
    if (WIFSIGNALED(status))
        return -WTERMSIG(status);
    return WEXITSTATUS(status);
}
