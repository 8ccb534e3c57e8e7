#include "core/files/FileCopy.h"

#include "core/files/CheckedSaveFile.h"
#include "core/files/NewFileMode.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {

bool CopyContents(QFile& from, QFileDevice& to)
{
    constexpr qint64 kChunk = 1 << 20;
    while (!from.atEnd()) {
        const QByteArray chunk = from.read(kChunk);
        if (chunk.isEmpty() && from.error() != QFileDevice::NoError)
            return false;
        if (to.write(chunk) != chunk.size())
            return false;
    }
    return from.error() == QFileDevice::NoError;
}

} // namespace

bool CopyFileWhole(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    CheckedSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (!CopyContents(in, out)) {
        out.cancelWriting();
        out.commit();
        return false;
    }
    return out.CommitWhole();
}

CopyOutcome CopyFileWithoutReplacing(const QString& source, const QString& target)
{
    if (QFileInfo::exists(target))
        return CopyOutcome::TargetExists;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return CopyOutcome::Failed;
    QTemporaryFile out(target + QLatin1String(kPartialCopySuffix) + QStringLiteral("-XXXXXX"));
    // The copy is the user's new file, not a private temporary one.
    if (!out.open() || !GiveTargetMode(out.fileName(), target) || !CopyContents(in, out) || !out.flush()
        || ::fsync(out.handle()) != 0)
        return CopyOutcome::Failed;
    if (!out.rename(target))
        return QFileInfo::exists(target) ? CopyOutcome::TargetExists : CopyOutcome::Failed;
    out.setAutoRemove(false);
    return CopyOutcome::Copied;
}

bool FilesHoldTheSame(const QString& a, const QString& b)
{
    struct stat first = {};
    struct stat second = {};
    if (::stat(QFile::encodeName(a).constData(), &first) != 0 || ::stat(QFile::encodeName(b).constData(), &second) != 0
        || !S_ISREG(first.st_mode) || !S_ISREG(second.st_mode))
        return false;
    if (first.st_dev == second.st_dev && first.st_ino == second.st_ino)
        return true;
    if (first.st_size != second.st_size)
        return false;
    QFile one(a);
    QFile other(b);
    if (!one.open(QIODevice::ReadOnly) || !other.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 kChunk = 1 << 20;
    while (!one.atEnd() || !other.atEnd()) {
        const QByteArray left = one.read(kChunk);
        if (left != other.read(kChunk) || (left.isEmpty() && !one.atEnd()))
            return false;
    }
    return one.error() == QFileDevice::NoError && other.error() == QFileDevice::NoError;
}
