#include "core/print/PrintAlignment.h"

#include <cmath>

int InchesToUnits(double inches)
{
    const long long hundredths = std::llround(inches * 100.0);
    // Integer division truncates toward zero, as the conversion must.
    return int(hundredths * kUnitsPerInch / 100);
}

double SignedOffset(double magnitude, int direction)
{
    const double m = std::fabs(magnitude);
    return direction == 0 ? -m : m;
}

void PointTable::Move(int first, int last, int dx, int dy)
{
    for (int i = first; i <= last && i < Size(); ++i)
        points_[size_t(i)] += QPoint(dx, dy);
}

void PointTable::MoveAll(int dx, int dy)
{
    Move(0, Size() - 1, dx, dy);
}

void PointTable::ApplyOffsets(double signedHorizontal, double signedVertical)
{
    MoveAll(InchesToUnits(signedHorizontal), InchesToUnits(signedVertical));
}
