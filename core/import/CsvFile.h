#pragma once

#include "core/import/CsvTable.h"

#include <QByteArray>
#include <QString>

// CSV files on disk, for the import and export commands and windows.

// The table of the file at `path`; a file that can't be read, is not a
// regular file (a pipe, a device) or is too large to be a list of people,
// gives a table with the reason as its error.
CsvTable ReadCsvFile(const QString& path);

// Writes `bytes` to `path` whole or not at all (an existing file is left
// as it was when the write fails), never onto a company's files of
// `dataFolder` nor over what is not a regular file (OutputTarget.h). On
// failure `error` says why.
bool WriteCsvFile(const QString& path, const QByteArray& bytes, const QString& dataFolder, QString* error);
