#pragma once

#include "core/store/CompanyData.h"

#include <QByteArray>
#include <QList>

#include <optional>
#include <vector>

// Writes files in the store format of the earlier Windows editions, for
// tests and benchmarks only (the program itself never writes that format):
// page 1 with the header, the table list rooted at page 2, one tree per
// table with rows on interior pages as well as on leaves (all leaves at one
// depth), overflow chains for what doesn't fit a cell, and no free pages.
// Built from the format's rules alone, it gives stores of any size, in
// either byte order and of either file format number.

struct EarlierTableRows {
    QByteArray definition; // "CREATE TABLE Name(...)" as the store keeps it
    // Rows in ascending row number: the number, and the record's values in
    // column order (nullopt for NULL; the row-number column holds NULL).
    std::vector<std::pair<qint32, std::vector<std::optional<QByteArray>>>> rows;
};

struct EarlierStoreOptions {
    bool bigEndian = false;
    quint32 fileFormat = 3; // what the earlier editions wrote
};

QByteArray WriteEarlierStoreBytes(const QList<EarlierTableRows>& tables, const EarlierStoreOptions& options = {});

// A whole company as the earlier editions kept it: Version, Company,
// Employees, Contractors, W2, Form1099, W3 and Form1096 with this edition's
// columns; texts in Windows-1252 (a character it lacks becomes "?").
QByteArray EarlierStoreOf(const CompanyData& data, const EarlierStoreOptions& options = {});
// Its tables, for a test to change a stored value before writing them.
QList<EarlierTableRows> EarlierTablesOf(const CompanyData& data);

// The path of a store of the earlier editions kept as test data ("Legacy
// Sample.pmt", ...), or of the rows its own engine read from it ("Legacy
// Sample.expected").
QString EarlierStoreFixture(const QString& fileName);

// Unicode text to Windows-1252 bytes.
QByteArray EncodeWindows1252(const QString& text);
