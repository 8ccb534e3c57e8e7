#pragma once

#include <QString>
#include <QStringList>

// One row of a CSV file, kept lean: its values one after the other in one
// text, each ended by a zero character (no value holds one: a file with a
// zero byte is refused as no CSV text). A row costs about the bytes of its
// values, however many values it has, where a list of texts would cost
// tens of bytes for every value, empty ones too.
class CsvRow {
public:
    CsvRow() = default;
    explicit CsvRow(const QStringList& values);

    // How many values the row has.
    qsizetype size() const { return count_; }
    bool IsBlank() const;                            // every value empty or blanks
    bool IsEmpty() const { return text_.isEmpty(); } // not a character read, not a value ended

    // The first `count` values (fewer when the row has fewer), or all.
    QStringList Values(qsizetype count = -1) const;
    // Whether a value from `index` on holds more than blanks.
    bool AnyValueFrom(qsizetype index) const;

    // While the row is read: `c` goes into the value being read, which
    // EndValue ends.
    void Append(QChar c) { text_ += c; }
    void EndValue();

    // The value being read so far holds nothing but blanks.
    bool OpenValueIsBlank() const;
    // Drops what the value being read holds so far.
    void ClearOpenValue();

private:
    QString text_;
    qsizetype count_ = 0;
    qsizetype openStart_ = 0; // where the value being read starts
};
