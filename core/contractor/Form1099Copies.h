#pragma once

#include "core/print/ContractorPrintOptions.h"
#include "core/print/PagePrimitives.h"

#include <QString>
#include <QStringList>

// The 1099-MISC copies printed on blank paper, by copy type: the text of the
// print options list, and the side captions each copy draws over the
// picture's own side text.

inline constexpr int k1099CopyCount = 4;

// The list texts in copy-type order.
const QStringList& Form1099CopyNames();
QString Form1099CopyName(Form1099CopyType copy);

// Blanks the picture's side text of one form half and draws the copy's
// captions there; `halfTop` is 0 for the upper form, 1375 for the lower.
void AddForm1099SideTexts(Page& page, Form1099CopyType copy, int halfTop);
