#include "core/import/CsvFile.h"

#include "core/files/CheckedSaveFile.h"

#include <QDir>
#include <QFile>

namespace {

// Far beyond any company's people (10,000 rows of every box are 3 MB).
constexpr qint64 kLargestFile = 256LL * 1024 * 1024;

} // namespace

CsvTable ReadCsvFile(const QString& path)
{
    QFile file(path);
    CsvTable failed;
    if (!file.open(QIODevice::ReadOnly)) {
        failed.error = QStringLiteral("The file \"%1\" could not be read: %2.")
                           .arg(QDir::toNativeSeparators(path), file.errorString());
        return failed;
    }
    if (file.size() > kLargestFile) {
        failed.error = QStringLiteral("The file \"%1\" is too large to be a list of people (%2 MB).")
                           .arg(QDir::toNativeSeparators(path))
                           .arg(file.size() / (1024 * 1024));
        return failed;
    }
    return ReadCsvTable(file.readAll());
}

bool WriteCsvFile(const QString& path, const QByteArray& bytes, QString* error)
{
    CheckedSaveFile file(path);
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
