#include "core/import/StoreCopies.h"

#include "core/companyfiles/CompanyFiles.h"
#include "core/files/FileCopy.h"
#include "core/companyfiles/StoreConversion.h"
#include "core/store/StoreFileKind.h"

#include <QFile>
#include <QFileInfo>

namespace {

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

    // A store of the earlier editions becomes one of this edition on its
    // way in; the upgrade then treats it like any other.
    if (StoreFileKindOf(source) == StoreFileKind::Earlier)
        return ConvertEarlierStoreTo(source, staged, nullptr, ConvertedTarget::Replacing);
    return CopyFileWhole(source, staged);
}

StoreCopyResult CopyStoreWithoutReplacing(const QString& staged, const QString& dataFolder, const QString& fileName)
{
    if (!IsUsableCompanyName(fileName))
        return StoreCopyResult::Failed;
    if (!CompanyStoreCandidates(dataFolder, CompanyNameOfStoreFile(fileName)).isEmpty())
        return StoreCopyResult::Kept;

    switch (CopyFileWithoutReplacing(staged, dataFolder + fileName)) {
    case CopyOutcome::Copied:
        return StoreCopyResult::Copied;
    case CopyOutcome::TargetExists:
        // A store that appeared meanwhile is kept.
        return StoreCopyResult::Kept;
    case CopyOutcome::Failed:
        break;
    }
    return StoreCopyResult::Failed;
}
