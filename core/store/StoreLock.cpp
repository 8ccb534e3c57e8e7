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

QString StoreLock::LockFilePath(const QString& storePath)
{
    return storePath + QStringLiteral(".lock");
}

StoreLock::Result StoreLock::Take(const QString& storePath)
{
    Release();
    const QString lockPath = LockFilePath(storePath);
    const QByteArray name = QFile::encodeName(lockPath);
    // A holder removes the file as it lets go; whoever opened that file
    // just before must try again with the one now at the name.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0)
            return Result::Unavailable;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            return error == EWOULDBLOCK ? Result::HeldElsewhere : Result::Unavailable;
        }
        struct stat opened = {};
        struct stat named = {};
        if (::fstat(fd, &opened) == 0 && ::stat(name.constData(), &named) == 0 && opened.st_dev == named.st_dev
            && opened.st_ino == named.st_ino) {
            fd_ = fd;
            lockPath_ = lockPath;
            return Result::Taken;
        }
        ::close(fd);
    }
    return Result::Unavailable;
}

void StoreLock::Release()
{
    if (fd_ < 0)
        return;
    // Removed while still held, so nobody takes a lock on a file that is
    // about to go.
    ::unlink(QFile::encodeName(lockPath_).constData());
    ::close(fd_);
    fd_ = -1;
    lockPath_.clear();
}

bool StoreLock::IsHeldElsewhere(const QString& storePath)
{
    StoreLock probe;
    return probe.Take(storePath) == Result::HeldElsewhere;
}
