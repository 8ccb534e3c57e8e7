#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

// A table as its CREATE TABLE text declares it. In a store of the earlier
// editions that text is all that names the columns: a row holds its values
// in declaration order and nothing else.
struct DeclaredTable {
    QByteArray name;           // quotes removed
    QList<QByteArray> columns; // in declaration order, quotes removed
    int integerKey = -1;       // the INTEGER PRIMARY KEY column (the row number), -1 for none

    // The index of `column` (any letter case), -1 when there is none.
    int ColumnIndex(QByteArrayView column) const;
};

// Reads "CREATE TABLE name(column type constraints, ...)": the column name
// is the first word of each definition, its type the words up to the first
// constraint keyword; a definition that starts with a table constraint
// (PRIMARY, UNIQUE, CHECK, CONSTRAINT, FOREIGN) is not a column. Commas
// inside parentheses or quotes don't separate. Only a column declared with
// the type INTEGER alone and PRIMARY KEY is the row number. nullopt for a
// text that is not such a statement, declares no column, or one column twice.
std::optional<DeclaredTable> ParseCreateTable(QByteArrayView sql);
