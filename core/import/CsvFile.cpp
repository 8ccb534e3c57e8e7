#include "core/import/CsvFile.h"

#include "core/files/CheckedSaveFile.h"
#include "core/files/OutputTarget.h"
#include "core/files/RegularFile.h"

#include <QDir>

namespace {

// Far beyond any company's people (10,000 rows of every box are 3 MB;
// the most rows a file may have, kMaxCsvRows, take 30 MB), and small
// enough that the file, its text and its rows are held at once in a few
// hundred megabytes.
constexpr qint64 kLargestFile = 64LL * 1024 * 1024;

} // namespace

CsvTable ReadCsvFile(const QString& path)
{
    // A pipe or a device (/dev/zero) is refused before it is read from.
    FileContents contents = ReadRegularFile(path, kLargestFile);
    if (contents.Ok())
        return ReadCsvTable(contents.bytes);
    CsvTable failed;
    if (contents.outcome == FileReadOutcome::TooLarge)
        failed.error = QStringLiteral("The file \"%1\" is too large to be a list of people (more than %2 MB).")
                           .arg(QDir::toNativeSeparators(path))
                           .arg(kLargestFile / (1024 * 1024));
    else
        failed.error = QStringLiteral("The file \"%1\" could not be read: %2.")
                           .arg(QDir::toNativeSeparators(path), contents.reason);
    return failed;
}

bool WriteCsvFile(const QString& path, const QByteArray& bytes, const QString& dataFolder, QString* error)
{
    const QString refusal = OutputTargetRefusal(path, dataFolder);
    if (!refusal.isEmpty()) {
        if (error)
            *error = refusal;
        return false;
    }
    CheckedSaveFile file(OutputTargetPath(path)); // where it was checked, links resolved
    QString why;
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes); // a write that fails is caught by CommitWhole
        if (file.CommitWhole(&why))
            return true;
    } else {
        why = file.errorString();
    }
    if (error)
        *error = QStringLiteral("The file \"%1\" could not be written: %2.").arg(QDir::toNativeSeparators(path), why);
    return false;
}
