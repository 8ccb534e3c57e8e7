#include "core/document/StoreConversion.h"

#include "core/files/FileCopy.h"
#include "core/store/CompanyData.h"
#include "core/store/EarlierStoreReader.h"
#include "core/store/StoreFileNames.h"

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
// whole. Never over an existing file.
bool KeepOriginal(const QString& path, const QString& kept)
{
    if (::link(QFile::encodeName(path).constData(), QFile::encodeName(kept).constData()) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    return CopyFileWithoutReplacing(path, kept) == CopyOutcome::Copied;
}

// Renames `from` to `to`, replacing a file there in one step.
bool RenameOver(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

} // namespace

QString KeptOriginalPath(const QString& storePath)
{
    const QString first = StoreCompanionPath(storePath, StoreFileRole::PreviousEditionOriginal);
    auto taken = [](const QString& path) { return QFileInfo::exists(path) || QFileInfo(path).isSymLink(); };
    if (!taken(first))
        return first;
    for (int n = 2;; ++n)
        if (const QString numbered = first + QStringLiteral("-%1").arg(n); !taken(numbered))
            return numbered;
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

bool ConvertEarlierStore(const QString& path, const QString& keptPath, QString* problem, StoredValueChanges* changes)
{
    CompanyData data;
    if (!ReadEarlierStore(path, data, problem, changes))
        return false;
    const QString building = BuildCompanyStoreBeside(path, data);
    if (building.isEmpty()) {
        SetProblem(problem, NotWritten(path));
        return false;
    }
    if (!KeepOriginal(path, keptPath)) {
        DiscardBuiltStore(building);
        SetProblem(problem, QStringLiteral("The original company file could not be kept as \"%1\". Nothing was "
                                           "changed.")
                                .arg(QDir::toNativeSeparators(keptPath)));
        return false;
    }
    // The company's name goes over to the new store in one step: at no
    // moment is there no file of that name.
    if (!RenameOver(building, path)) {
        QFile::remove(keptPath);
        DiscardBuiltStore(building);
        SetProblem(problem, NotWritten(path));
        return false;
    }
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
