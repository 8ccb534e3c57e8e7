#include "gui/wage/W3View.h"

CW3View::CW3View(CGlobalDoc& document, QWidget* parent)
    : CPlaceholderView(document, QStringLiteral("Form W-3 Transmittal of Wage and Tax Statements"),
                       QStringLiteral("This screen will show the W-3 totals of all W-2s. Until it is part of the program, the W-3 prints without a window: formlark print --company NAME --form w3 --pdf FILE"), parent)
{
}
