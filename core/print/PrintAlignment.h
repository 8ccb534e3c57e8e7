#pragma once

#include <QPoint>

#include <vector>

// Print geometry shared by every form page. Positions are tenths of a
// millimetre from the top-left corner of the paper, y growing downward;
// 254 units make an inch. Every output (a printer, a PDF, the preview)
// paints from the paper's corner, so a page is the same on all of them and
// pre-printed boxes are met wherever the printer's printable area starts.

inline constexpr int kUnitsPerInch = 254;

// trunc(inches x 254). Offsets and spaces are typed with at most two
// decimals, so the value is taken to the nearest hundredth first: 0.75 read
// back from the settings as 75 x 0.01 still gives -127 for (0.75 - 1.25),
// never -126.
int InchesToUnits(double inches);

// The signed offset of an alignment box: the magnitude, negative when the
// direction is 0 (Left or Up). Whatever sign the stored value carries, the
// direction alone decides, so an offset is never turned around twice.
double SignedOffset(double magnitude, int direction);

// The anchor points of one form: the top-left corner of a text or an end of
// a line.
class PointTable {
public:
    PointTable() = default;
    explicit PointTable(std::vector<QPoint> points)
        : points_(std::move(points))
    {
    }

    int Size() const { return int(points_.size()); }
    const QPoint& operator[](int index) const { return points_[size_t(index)]; }
    QPoint& operator[](int index) { return points_[size_t(index)]; }

    // Moves points first..last (inclusive), or all of them.
    void Move(int first, int last, int dx, int dy);
    void MoveAll(int dx, int dy);
    // The pre-printed alignment: every point by (trunc(h x 254), trunc(v x 254)).
    void ApplyOffsets(double signedHorizontal, double signedVertical);

private:
    std::vector<QPoint> points_;
};
