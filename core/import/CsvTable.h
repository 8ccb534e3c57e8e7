#pragma once

#include "core/import/CsvRow.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// A spreadsheet saved as comma-separated values: its header line and its
// rows, read from the bytes of the file. Spreadsheets write these files in
// several ways, all of which are read: UTF-8 with or without a byte-order
// mark, or Windows-1252 (the older "CSV" of Excel); commas or semicolons
// between the values (semicolons where the comma is the decimal comma);
// values in double quotes holding commas, doubled quotes and line breaks;
// CRLF, LF or CR line ends; an Excel "sep=;" first line.
struct CsvTable {
    QStringList header;
    std::vector<CsvRow> rows; // blank lines left out
    std::vector<int> lines;   // the file line (from 1) where each row starts
    int headerLine = 0;       // the line of the header (after a "sep=" line, 2)
    QChar separator = u',';
    QString encoding; // "UTF-8" or "Windows-1252"
    // Why the file can't be read as a table (empty when it can), and the
    // line it concerns (0: the whole file).
    QString error;
    int errorLine = 0;

    bool Readable() const { return error.isEmpty(); }
};

// Reads `bytes` as a table; see CsvTable. A list of people has a bounded
// number of rows and columns: a file with more is refused as soon as the
// parse meets the first one too many, so what is kept stays small.
CsvTable ReadCsvTable(const QByteArray& bytes);

// The most rows (people) one file may hold, and the most columns of its
// header.
inline constexpr int kMaxCsvRows = 100000;
inline constexpr int kMaxCsvColumns = 1000;

// The text of `bytes`: UTF-8 when they are valid UTF-8 (a byte-order mark
// dropped), else Windows-1252. `encoding` receives which it was.
QString DecodeCsvText(const QByteArray& bytes, QString* encoding = nullptr);

// Records written as a file that spreadsheets open as they are: UTF-8 with
// a byte-order mark (without it Excel takes the text for Windows-1252),
// commas, CRLF line ends, and quotes around every value that holds a comma,
// a quote, a line break or blanks at either end.
QByteArray WriteCsvRecords(const std::vector<QStringList>& records);
