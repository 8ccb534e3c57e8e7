#pragma once

// W-2 and 1099-MISC sheets carry two forms, one above the other. A job
// prints either the current form (one sheet, top form only) or every form in
// the display order of the employee or contractor list.

inline constexpr int kPrintCurrent = 0;
inline constexpr int kPrintAll = 1;

// Sheets of a job: 1 for the current form, the forms halved and rounded up
// for all (0 when there is nothing to print).
int TwoFormSheetCount(int printTarget, int formsToPrint);

// What sheet `page` (counted from 1) holds.
struct SheetForms {
    int firstPosition = 0; // display position of the top form
    int formsOnPage = 0;   // 1 or 2 (0 for a page outside the job)
};

// `currentPosition` is the display position of the current form, used when
// the target is the current one.
SheetForms TwoFormSheetSetup(int printTarget, int page, int formsToPrint, int currentPosition);
