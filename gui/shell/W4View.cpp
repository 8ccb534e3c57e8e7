#include "gui/shell/W4View.h"

CW4View::CW4View(CGlobalDoc& document, QWidget* parent)
    : CPlaceholderView(document, QStringLiteral("Form W-4"), QStringLiteral("Nothing to show here."), parent)
{
}
