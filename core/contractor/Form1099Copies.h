#pragma once

#include "core/print/PagePrimitives.h"

#include <QString>
#include <QStringList>

// The 1099-MISC copies printed on blank paper, by copy type: the text of the
// print options list, and the side captions each copy draws over the
// picture's own side text.

inline constexpr int k1099CopyCount = 4;
inline constexpr int k1099Copy1 = 0;
inline constexpr int k1099CopyB = 1;
inline constexpr int k1099Copy2 = 2;
inline constexpr int k1099CopyC = 3;

// The list texts in copy-type order; a single one is empty for a type
// outside 0..3.
const QStringList& Form1099CopyNames();
QString Form1099CopyName(int copyType);

// Blanks the picture's side text of one form half and draws the copy's
// captions there; `halfTop` is 0 for the upper form, 1375 for the lower.
void AddForm1099SideTexts(Page& page, int copyType, int halfTop);
