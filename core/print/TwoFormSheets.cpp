#include "core/print/TwoFormSheets.h"

int TwoFormSheetCount(int printTarget, int formsToPrint)
{
    if (printTarget != kPrintAll)
        return 1;
    if (formsToPrint <= 0)
        return 0;
    return (formsToPrint + 1) / 2;
}

SheetForms TwoFormSheetSetup(int printTarget, int page, int formsToPrint, int currentPosition)
{
    const int pages = TwoFormSheetCount(printTarget, formsToPrint);
    if (page < 1 || page > pages)
        return {};
    if (printTarget != kPrintAll)
        return {currentPosition, 1};
    const bool lastOfOdd = page == pages && formsToPrint % 2 == 1;
    return {2 * (page - 1), lastOfOdd ? 1 : 2};
}
