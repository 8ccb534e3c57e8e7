#include "gui/contractor/Form1096View.h"

C1096View::C1096View(CGlobalDoc& document, QWidget* parent)
    : CPlaceholderView(document, QStringLiteral("Form 1096 Annual Summary and Transmittal"),
                       QStringLiteral("This screen will show the 1096 totals of all 1099-MISC forms. Until it is part of the program, the 1096 prints without a window: formlark print --company NAME --form 1096 --pdf FILE"), parent)
{
}
