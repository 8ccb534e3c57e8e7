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
