#pragma once

#include "core/store/RecordColumns.h"
#include "core/store/Records.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <vector>

// Rows of the company store's tables turned into records, the one way both
// this edition's stores and the earlier editions' are read: the columns a
// record keeps, by name (see RecordColumns.h), each value read once as its
// field takes it. A text longer than its field is cut to it; a number that
// is no number reads as 0; NULL reads as an empty text or 0; an amount is
// kept as stored and read as an amount (AmountField).

// A stored value that its record does not hold as it was stored.
struct StoredValueChange {
    enum class Kind {
        Cut,        // longer than the field keeps: cut to it
        Unreadable, // an amount that does not read as one: kept as stored
        NotANumber, // a number that is none: read as 0
        Unmapped,   // characters without a place in the store's character set
    };
    Kind kind = Kind::Cut;
    QString table;
    int rowId = 0;
    QString column;
    QString stored; // as the store has it
    QString kept;   // as the record holds it

    // "W2 4, Wages: \"1,2x4\" does not read as an amount; kept as stored".
    QString Describe() const;
};
using StoredValueChanges = std::vector<StoredValueChange>;

// The columns a reading of the table of `Record` selects, in the order
// RecordFromRow takes the values.
template <class Record>
QList<QByteArray> ReadColumnNames()
{
    QList<QByteArray> names;
    Record layout;
    VisitColumns(layout, [&](const ColumnSpec& column, const auto& field) {
        if constexpr (kIsKeptColumn<decltype(field)>)
            names << QByteArray(column.name);
    });
    return names;
}

namespace record_rows_detail {
// Decimal text to integer: leading blanks, an optional sign, then digits; no
// digits give 0. `exact` tells whether the text was that and nothing else.
int StoredNumber(const char* value, bool* exact);
} // namespace record_rows_detail

// The record of one row whose values (UTF-8 texts, nullptr for NULL) stand
// in the order of ReadColumnNames<Record>(); a shorter row reads as empty
// from there on. Values the record can't hold as they were are added to
// `changes` when given.
template <class Record>
Record RecordFromRow(const char* const* values, int count, StoredValueChanges* changes = nullptr)
{
    Record record;
    int index = 0;
    int rowId = 0;
    VisitColumns(record, [&](const ColumnSpec& column, auto& field) {
        using Field = std::remove_cvref_t<decltype(field)>;
        if constexpr (kIsKeptColumn<Field>) {
            const char* value = index < count ? values[index] : nullptr;
            ++index;
            if constexpr (kIsIntegerColumn<Field>) {
                bool exact = true;
                field = record_rows_detail::StoredNumber(value, &exact);
                if (column.role == ColumnRole::Key)
                    rowId = field;
                if (!exact && changes)
                    changes->push_back(
                        {StoredValueChange::Kind::NotANumber, QString::fromLatin1(TableOf<Record>::kName), rowId,
                         QString::fromLatin1(column.name), QString::fromUtf8(value), QString::number(field)});
            } else {
                const QString stored = value ? QString::fromUtf8(value) : QString();
                field = stored;
                if (changes) {
                    using Kind = StoredValueChange::Kind;
                    Kind kind = Kind::Cut;
                    bool changed = field.Text() != stored;
                    if constexpr (std::is_same_v<Field, AmountField>) {
                        if (!changed && !field.IsReadable()) {
                            kind = Kind::Unreadable;
                            changed = true;
                        }
                    }
                    if (changed)
                        changes->push_back({kind, QString::fromLatin1(TableOf<Record>::kName), rowId,
                                            QString::fromLatin1(column.name), stored, field.Text()});
                }
            }
        }
    });
    return record;
}

// The forms of a list read from a store that may hold several forms of one
// owner (written by other software): the first of each owner is kept.
void KeepFirstFormOfEachOwner(Form1099List& forms);
