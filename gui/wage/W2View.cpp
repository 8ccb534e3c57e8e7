#include "gui/wage/W2View.h"

CW2View::CW2View(CGlobalDoc& document, QWidget* parent)
    : CPlaceholderView(document, QStringLiteral("Form W-2 Wage and Tax Statement"),
                       QStringLiteral("This screen will show the W-2 of each employee. Until it is part of the program, W-2s print without a window: formlark print --company NAME --form w2 --all --pdf FILE"), parent)
{
}
