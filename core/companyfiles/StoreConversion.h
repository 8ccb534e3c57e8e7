#pragma once

#include "core/store/RecordRows.h"

#include <QString>
#include <QStringList>

// Turning a store of the earlier Windows editions into a store of this
// edition. The earlier file is only ever read; the new store is written
// through this edition's store writer, whole under a temporary name, and
// takes its name only when complete. Ids are kept.

// The name the original of a converted store is kept under:
// "<store>.2005" ("Acme.pmt.2005"), or when that is taken
// "Acme.pmt.2005-2", "Acme.pmt.2005-3", ... (no listing of stores takes
// such a file for a company). A kept original that holds the store's very
// bytes already (a conversion cut short after keeping it) is that name: an
// original is never kept twice.
QString KeptOriginalPath(const QString& storePath);

// Converts the store of the earlier editions at `path` in place: the new
// store takes the name `path`, and the original file, unchanged (the very
// file, not a copy, where the file system allows), is kept as `keptPath`,
// which must be free or hold the original already. On failure nothing has
// changed and `problem` says why (a damaged file, a journal left beside
// it, another program converting it, ...).
//
// What a conversion of the same store that was killed left beside it (its
// half-built store and journal) is removed first. Other names of the same
// file among the stores of its folder (hard links) would each become a
// company of their own: they are kept as originals too (see
// KeptOriginalPath), so one store gives one company; `otherNames`
// receives, for each, "B.pmt, kept as B.pmt.2005". `changes`, when given,
// receives every stored value the new store does not hold exactly as the
// original did (see ReadEarlierStore).
bool ConvertEarlierStore(const QString& path, const QString& keptPath, QString* problem = nullptr,
                         QStringList* otherNames = nullptr, StoredValueChanges* changes = nullptr);

// Reads the store of the earlier editions at `path` as a conversion would,
// writing nothing: false with `problem` set when it can't be converted;
// else `changes` receives what a conversion would not keep exactly.
bool PreviewConversion(const QString& path, StoredValueChanges& changes, QString* problem = nullptr);

// The changes, a line each, at most `most` of them and a last line with how
// many more there are.
QStringList DescribeStoredValueChanges(const StoredValueChanges& changes, int most);

enum class ConvertedTarget {
    New,      // never over an existing file
    Replacing // over an older file of that name (the import's staging copies)
};

// Writes the company of the earlier store `source` as the store `target` of
// this edition; `source` is only read.
bool ConvertEarlierStoreTo(const QString& source, const QString& target, QString* problem = nullptr,
                           ConvertedTarget rule = ConvertedTarget::New, StoredValueChanges* changes = nullptr);
