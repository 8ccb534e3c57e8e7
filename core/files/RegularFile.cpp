#include "core/files/RegularFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString KindOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return QString();
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    if (S_ISFIFO(mode))
        return QStringLiteral("a pipe (FIFO)");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("not a file");
}

FileContents Refused(FileReadOutcome outcome, const QString& reason)
{
    FileContents contents;
    contents.outcome = outcome;
    contents.reason = reason;
    return contents;
}

QString NotRegularReason(const QString& kind)
{
    return QStringLiteral("it is %1, not a regular file").arg(kind);
}

QString TooLargeReason(qint64 maxBytes)
{
    return QStringLiteral("it is larger than %1 MB").arg(maxBytes / (1024 * 1024));
}

} // namespace

QString SystemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString NonRegularFileKind(const QString& path)
{
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return QString();
    return KindOfMode(st.st_mode);
}

FileContents ReadRegularFile(const QString& path, qint64 maxBytes)
{
    const QByteArray name = QFile::encodeName(path);
    // Looked at before it is opened: opening some devices does something.
    struct stat st = {};
    if (::stat(name.constData(), &st) != 0) {
        const int error = errno;
        return Refused(error == ENOENT ? FileReadOutcome::Missing : FileReadOutcome::Failed, SystemErrorText(error));
    }
    if (!S_ISREG(st.st_mode))
        return Refused(FileReadOutcome::NotRegular, NotRegularReason(KindOfMode(st.st_mode)));
    if (st.st_size > maxBytes)
        return Refused(FileReadOutcome::TooLarge, TooLargeReason(maxBytes));

    // Never waits, even when a pipe took the name meanwhile; checked again
    // on what was opened.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return Refused(error == ENOENT ? FileReadOutcome::Missing : FileReadOutcome::Failed, SystemErrorText(error));
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return Refused(FileReadOutcome::NotRegular, NotRegularReason(KindOfMode(st.st_mode)));
    }
    // One byte more than allowed tells a file that grew past the bound.
    QByteArray bytes;
    bytes.resize(qsizetype(std::min<qint64>(st.st_size, maxBytes) + 1));
    qint64 total = 0;
    for (;;) {
        if (total == bytes.size()) {
            if (total > maxBytes)
                break;
            bytes.resize(qsizetype(std::min<qint64>(total * 2 + 4096, maxBytes + 1)));
        }
        const ssize_t got = ::read(fd, bytes.data() + total, size_t(bytes.size() - total));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            return Refused(FileReadOutcome::Failed, SystemErrorText(error));
        }
        if (got == 0)
            break;
        total += got;
    }
    ::close(fd);
    if (total > maxBytes)
        return Refused(FileReadOutcome::TooLarge, TooLargeReason(maxBytes));
    bytes.resize(qsizetype(total));
    FileContents contents;
    contents.outcome = FileReadOutcome::Read;
    contents.bytes = std::move(bytes);
    return contents;
}
