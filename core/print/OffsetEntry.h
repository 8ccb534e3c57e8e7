#pragma once

#include "core/print/PrintChoices.h"

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

// The alignment part of a print options dialog: the two inch boxes as
// shown and their directions (Left/Up 0, Right/Down 1).
struct OffsetEntry {
    QString horizontal;
    QString vertical;
    int horizontalDirection = kRightOrDown;
    int verticalDirection = kRightOrDown;
};

// What the dialog shows of the offsets of any form kind's options, and
// the offsets its OK takes.
template <class Options>
OffsetEntry OffsetEntryOf(const Options& o)
{
    return {InchesBoxText(o.HorizontalOffset), InchesBoxText(o.VerticalOffset), o.HorizontalDirection,
            o.VerticalDirection};
}

template <class Options>
void TakeOffsetEntry(const OffsetEntry& entry, Options& o)
{
    o.HorizontalOffset = ReadInchesBox(entry.horizontal);
    o.VerticalOffset = ReadInchesBox(entry.vertical);
    o.HorizontalDirection = entry.horizontalDirection;
    o.VerticalDirection = entry.verticalDirection;
}
