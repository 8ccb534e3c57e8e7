#include "gui/contractor/Form1099View.h"

C1099View::C1099View(CGlobalDoc& document, QWidget* parent)
    : CPlaceholderView(document, QStringLiteral("Form 1099-MISC Miscellaneous Income"),
                       QStringLiteral("This screen will show the 1099-MISC of each contractor. Until it is part of the program, 1099-MISC forms print without a window: formlark print --company NAME --form 1099 --all --pdf FILE"), parent)
{
}
