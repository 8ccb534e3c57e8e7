#include "core/store/StoreLock.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

StoreLock::~StoreLock()
{
    Release();
}

StoreLock::Result StoreLock::Take(const QString& storePath)
{
    Release();
    // Read access is all a lock needs, so a store the user may only read
    // is locked all the same; O_NONBLOCK keeps a pipe from blocking the open.
    const int fd = ::open(QFile::encodeName(storePath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Result::Unavailable;
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Result::Unavailable;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return error == EWOULDBLOCK ? Result::HeldElsewhere : Result::Unavailable;
    }
    fd_ = fd;
    return Result::Taken;
}

void StoreLock::Release()
{
    if (fd_ < 0)
        return;
    ::close(fd_);
    fd_ = -1;
}

bool StoreLock::IsHeldElsewhere(const QString& storePath)
{
    StoreLock probe;
    return probe.Take(storePath) == Result::HeldElsewhere;
}
