#include "core/files/FileCopy.h"

#include "core/files/CheckedSaveFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

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
    if (!out.open() || !CopyContents(in, out) || !out.flush() || ::fsync(out.handle()) != 0)
        return CopyOutcome::Failed;
    if (!out.rename(target))
        return QFileInfo::exists(target) ? CopyOutcome::TargetExists : CopyOutcome::Failed;
    out.setAutoRemove(false);
    return CopyOutcome::Copied;
}
