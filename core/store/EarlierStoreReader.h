#pragma once

#include "core/store/RecordRows.h"

#include <QByteArray>
#include <QString>

struct CompanyData;

// Reads the company of a store of the earlier Windows editions into the
// records this program works with, without ever writing the file: the
// tables are matched to this edition's by name and their columns by name
// (any letter case, any order), the row number of each table is its id,
// and the texts (single-byte Windows-1252) become Unicode. Rows are
// collected by the same rules as this edition's stores are read (one
// 1099-MISC per contractor, NULL read as an empty text or 0, texts cut to
// their field's capacity).
//
// A store beside which the earlier edition left its journal (it stopped in
// the middle of a change, so the file may hold half of it) is refused, and
// so is a damaged one: nothing is read then. `data` is only filled on
// success; `problem` receives, on failure, what to tell the user about the
// file. `changes`, when given, receives every stored value that the records
// do not hold exactly as stored (cut to its field, an amount that does not
// read, a number that is none, a byte without a character).
bool ReadEarlierStore(const QString& path, CompanyData& data, QString* problem = nullptr,
                      StoredValueChanges* changes = nullptr);

// The same for the bytes of such a file; `problem` receives a phrase ("it
// is damaged (...)") that completes "The company file can't be read: ".
bool ReadEarlierStoreBytes(const QByteArray& bytes, CompanyData& data, QString* problem = nullptr,
                           StoredValueChanges* changes = nullptr);

// A file larger than this is refused unread: no store of any company comes
// near it.
inline constexpr qint64 kEarlierStoreMaxSize = qint64(256) << 20;
