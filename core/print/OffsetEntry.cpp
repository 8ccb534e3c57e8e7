#include "core/print/OffsetEntry.h"

#include "core/store/AmountText.h"

#include <cmath>

QString InchesBoxText(double inches)
{
    return QString::asprintf("%2.2f", std::fabs(inches));
}

double ReadInchesBox(const QString& text)
{
    return ParseAmountText(text.left(5));
}
