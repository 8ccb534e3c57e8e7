#include "gui/controls/ColumnWidths.h"

#include <QFontMetricsF>
#include <QHeaderView>

#include <algorithm>

namespace {

// The widths are given for the usual desktop font (10 points, about 17
// pixels a line); a larger font widens the columns in step.
constexpr double kGivenForLineHeight = 17;

} // namespace

void SetColumnWidths(QHeaderView* header, std::span<const int> widths)
{
    const double scale = std::max(1.0, QFontMetricsF(header->font()).height() / kGivenForLineHeight);
    const int count = std::min(int(widths.size()), header->count());
    for (int column = 0; column < count; ++column) {
        const int given = int(widths[size_t(column)] * scale + 0.5);
        header->resizeSection(column, std::max(given, header->sectionSizeHint(column)));
    }
}
