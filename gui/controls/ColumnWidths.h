#pragma once

#include <span>

class QHeaderView;

// Gives the columns of a list the widths in `widths` (pixels for the usual
// desktop font, in column order), wider in step with a larger font and
// never narrower than a heading needs: a large font cuts neither headings
// nor values. Set once the headings (and a sort mark) are in place.
void SetColumnWidths(QHeaderView* header, std::span<const int> widths);
