#pragma once

#include <QString>

// The boxes of the print options dialogs that take inches (alignment
// offsets, the W-2's vertical space): they show a magnitude with "%2.2lf"
// and are read as the amount of their first five characters.

QString InchesBoxText(double inches);
double ReadInchesBox(const QString& text);

// Every print options dialog lets the alignment boxes take two whole
// digits and two decimals, without a sign.
inline constexpr int kInchesBoxWholeDigits = 2;
inline constexpr int kInchesBoxDecimals = 2;
