#pragma once

#include <QString>
#include <QtGlobal>

// Money amounts are kept, shown and stored as decimal text ("1234.50", or
// empty). These helpers turn such a text into a value and back. Values are
// whole cents, so totals add up exactly; the double form is for callers that
// want a number.
//
// Reading rules: the empty text is 0; blanks before the number are skipped; a
// leading "-" makes the whole value negative; the digits before the first
// "." are the whole part; the digits right after the point give the cents,
// one digit as tenths, two as hundredths, more rounded to the nearest cent
// (12.345 -> 12.35). Anything after the digits is ignored, so a text that is
// not a number gives what its leading digits say.
qint64 ParseAmountCents(const QString& text);
double ParseAmountText(const QString& text);

// Cents written with two decimals and a "-" when negative: 123456 -> "1234.56".
QString FormatAmountCents(qint64 cents);

// The text rewritten in its two-decimal form; the empty text becomes "0.00".
QString NormalizeAmountText(const QString& text);

// Money as people and other programs write it: blanks anywhere, a sign, a
// dollar sign, digits (grouped by commas in threes, or not at all), a point
// and cents ("1234.50", "1,234.50", "$1,234.50", "-12.5"). This is the one
// reading of an amount that the program did not type itself (a stored value,
// a value of a CSV file); anything else does not read, and is never guessed
// at. Nothing but blanks is an empty amount, which reads as 0.
enum class AmountProblem {
    None,
    NotAnAmount,    // not of the shape above ("1234,50", "12abc", "1.2.3")
    TooLarge,       // more whole digits than a box holds
    FractionOfCent, // cents of more than two decimals that aren't zeros
};
struct AmountReading {
    qint64 cents = 0;
    bool empty = true;
    AmountProblem problem = AmountProblem::None;
    bool Readable() const { return problem == AmountProblem::None; }
};
AmountReading ReadAmountText(const QString& text);

// The whole digits an amount box holds.
inline constexpr int kAmountBoxWholeDigits = 9;
