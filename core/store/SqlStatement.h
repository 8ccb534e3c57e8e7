#pragma once

#include <QByteArray>
#include <QString>

// Fills a printf-style statement text ("%s" a text, "%d" an integer) with
// values, in order. Every text value is escaped for its single quotes (each
// ' doubled), so no value can end its literal early; the rest of the
// statement stays exactly as written.
class SqlStatement {
public:
    explicit SqlStatement(const char* format);

    SqlStatement& Text(const QString& value);
    SqlStatement& Number(int value);

    // The finished statement in UTF-8. Placeholders without a value are
    // left as they stand (a programming error that IsComplete reveals).
    QByteArray Utf8() const;
    // Every placeholder got a value of its own kind.
    bool IsComplete() const { return !mismatch_ && !HasPlaceholder(); }

    // Each ' of the text doubled.
    static QString Escape(const QString& text);

private:
    bool HasPlaceholder() const;
    void AppendUntilPlaceholder(char kind);

    const char* next_;
    QByteArray result_;
    bool mismatch_ = false;
};
