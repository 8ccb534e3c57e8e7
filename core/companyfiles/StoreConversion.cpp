#include "core/companyfiles/StoreConversion.h"

#include "core/companyfiles/CompanyFiles.h"
#include "core/files/FileCopy.h"
#include "core/store/CompanyData.h"
#include "core/store/EarlierStoreReader.h"
#include "core/store/StoreFileNames.h"
#include "core/store/StoreLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace {

void SetProblem(QString* problem, const QString& text)
{
    if (problem)
        *problem = text;
}

QString NotWritten(const QString& path)
{
    return QStringLiteral("The converted company file \"%1\" could not be written. Nothing was changed.")
        .arg(QDir::toNativeSeparators(path));
}

// Keeps the original under `kept` without changing it: a second name of
// the same file, or (where the file system has no such names) a copy made
// whole. Never over an existing file; one that holds the original already
// (kept by a conversion that was cut short) is taken as it is.
// `keptNow` tells whether this call made it.
bool KeepOriginal(const QString& path, const QString& kept, bool& keptNow)
{
    keptNow = false;
    if (FilesHoldTheSame(path, kept))
        return true;
    if (::link(QFile::encodeName(path).constData(), QFile::encodeName(kept).constData()) == 0) {
        keptNow = true;
        return true;
    }
    if (errno == EEXIST)
        return false;
    keptNow = CopyFileWithoutReplacing(path, kept) == CopyOutcome::Copied;
    return keptNow;
}

// Renames `from` to `to`, replacing a file there in one step.
bool RenameOver(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// The other store names of the original now kept as `kept` (hard links in
// its folder) stop being companies: each is kept as an original of its
// own name, or goes when such an original holds it already.
QStringList RetireOtherNames(const QString& kept)
{
    const QFileInfo keptFile(kept);
    const QString folder = keptFile.absolutePath() + u'/';
    QStringList retired;
    for (const QString& other : OtherNamesOfStore(folder, kept)) {
        const QString otherPath = folder + other;
        const QString otherKept = KeptOriginalPath(otherPath);
        bool keptNow = false;
        if (!KeepOriginal(otherPath, otherKept, keptNow) || !QFile::remove(otherPath)) {
            if (keptNow)
                QFile::remove(otherKept);
            continue;
        }
        retired << QStringLiteral("%1, kept as %2").arg(other, QFileInfo(otherKept).fileName());
    }
    return retired;
}

} // namespace

QString KeptOriginalPath(const QString& storePath)
{
    const QString first = StoreCompanionPath(storePath, StoreFileRole::PreviousEditionOriginal);
    auto free = [](const QString& path) { return !QFileInfo::exists(path) && !QFileInfo(path).isSymLink(); };
    for (int n = 1;; ++n) {
        const QString candidate = n == 1 ? first : first + QStringLiteral("-%1").arg(n);
        if (free(candidate) || (!QFileInfo(candidate).isSymLink() && FilesHoldTheSame(storePath, candidate)))
            return candidate;
    }
}

bool PreviewConversion(const QString& path, StoredValueChanges& changes, QString* problem)
{
    CompanyData data;
    return ReadEarlierStore(path, data, problem, &changes);
}

QStringList DescribeStoredValueChanges(const StoredValueChanges& changes, int most)
{
    QStringList lines;
    for (const StoredValueChange& change : changes) {
        if (lines.size() == most) {
            lines << QStringLiteral("and %1 more").arg(changes.size() - size_t(most));
            break;
        }
        lines << change.Describe();
    }
    return lines;
}

bool ConvertEarlierStore(const QString& path, const QString& keptPath, QString* problem, QStringList* otherNames,
                         StoredValueChanges* changes)
{
    // Two conversions of one store (also under two names of it) never run
    // at once, so what a killed one left beside it can go.
    StoreLock lock;
    if (lock.Take(path) == StoreLock::Result::HeldElsewhere) {
        SetProblem(problem, QStringLiteral("The company file \"%1\" is being converted or is open in another "
                                           "Formlark program. Nothing was changed.")
                                .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    // Said as it is, rather than as a store that could not be written.
    const QString folderProblem = DataFolderWriteProblem(QFileInfo(path).absolutePath());
    if (!folderProblem.isEmpty()) {
        SetProblem(problem, folderProblem);
        return false;
    }
    RemoveBuildLeftovers(path);
    CompanyData data;
    if (!ReadEarlierStore(path, data, problem, changes))
        return false;
    const QString building = BuildCompanyStoreBeside(path, data);
    if (building.isEmpty()) {
        SetProblem(problem, NotWritten(path));
        return false;
    }
    bool keptNow = false;
    if (!KeepOriginal(path, keptPath, keptNow)) {
        DiscardBuiltStore(building);
        SetProblem(problem, QStringLiteral("The original company file could not be kept as \"%1\". Nothing was "
                                           "changed.")
                                .arg(QDir::toNativeSeparators(keptPath)));
        return false;
    }
    // The company's name goes over to the new store in one step: at no
    // moment is there no file of that name.
    if (!RenameOver(building, path)) {
        if (keptNow)
            QFile::remove(keptPath);
        DiscardBuiltStore(building);
        SetProblem(problem, NotWritten(path));
        return false;
    }
    const QStringList retired = RetireOtherNames(keptPath);
    if (otherNames)
        *otherNames = retired;
    return true;
}

bool ConvertEarlierStoreTo(const QString& source, const QString& target, QString* problem, ConvertedTarget rule,
                           StoredValueChanges* changes)
{
    CompanyData data;
    if (!ReadEarlierStore(source, data, problem, changes))
        return false;
    const bool written = rule == ConvertedTarget::New ? WriteCompanyStore(target, data) : [&] {
        const QString building = BuildCompanyStoreBeside(target, data);
        if (building.isEmpty())
            return false;
        if (RenameOver(building, target))
            return true;
        DiscardBuiltStore(building);
        return false;
    }();
    if (!written)
        SetProblem(problem, NotWritten(target));
    return written;
}
