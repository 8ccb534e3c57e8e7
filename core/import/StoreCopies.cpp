#include "core/import/StoreCopies.h"

#include "core/document/CompanyFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
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

// Both name the same existing folder, links resolved.
bool SameFolder(const QString& a, const QString& b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

} // namespace

bool StageStoreCopy(const QString& source, const QString& stagingFolder, const QString& fileName,
                    const QString& dataFolder)
{
    if (!IsUsableCompanyName(fileName) || SameFolder(stagingFolder, dataFolder)
        || SameFolder(stagingFolder, QFileInfo(source).absolutePath()))
        return false;
    const QString staged = stagingFolder + u'/' + fileName;
    const QFileInfo existing(staged);
    // A link is replaced by a file of its own, never written through.
    if (existing.isSymLink() && !QFile::remove(staged))
        return false;
    if (existing.exists() && !existing.isSymLink() && !existing.isFile())
        return false;

    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(staged);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (!CopyContents(in, out)) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

StoreCopyResult CopyStoreWithoutReplacing(const QString& staged, const QString& dataFolder, const QString& fileName)
{
    if (!IsUsableCompanyName(fileName))
        return StoreCopyResult::Failed;
    if (!FindCompanyStoreFile(dataFolder, CompanyNameOfStoreFile(fileName)).isEmpty())
        return StoreCopyResult::Kept;

    QFile in(staged);
    if (!in.open(QIODevice::ReadOnly))
        return StoreCopyResult::Failed;
    // A hidden name without the store extension: never listed as a company
    // while it is written.
    QTemporaryFile out(dataFolder + QStringLiteral(".import-XXXXXX"));
    if (!out.open() || !CopyContents(in, out) || !out.flush() || ::fsync(out.handle()) != 0)
        return StoreCopyResult::Failed;
    // The rename never replaces: a store that appeared meanwhile is kept.
    if (!out.rename(dataFolder + fileName))
        return FindCompanyStoreFile(dataFolder, CompanyNameOfStoreFile(fileName)).isEmpty() ? StoreCopyResult::Failed
                                                                                             : StoreCopyResult::Kept;
    out.setAutoRemove(false);
    return StoreCopyResult::Copied;
}
