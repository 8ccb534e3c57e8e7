#pragma once

#include "core/print/PrintChoices.h"
#include "core/print/PrintJob.h"
#include "core/store/RecordLookup.h"

#include <vector>

// W-2 and 1099-MISC sheets carry two forms, one above the other. A job
// prints either the current owner's form (one sheet, top form only) or the
// form of every owner in the display order of the employee or contractor
// list. Each owner's form is found by the owner's id (FormIndexByOwner): an
// owner without a form prints with empty boxes, a form without an owner is
// not printed.

// Sheets of a job: 1 for the current form, the forms halved and rounded up
// for all (0 when there is nothing to print).
int TwoFormSheetCount(PrintTarget target, int formsToPrint);

// What sheet `page` (counted from 1) holds.
struct SheetForms {
    int firstPosition = 0; // display position of the top form
    int formsOnPage = 0;   // 1 or 2 (0 for a page outside the job)
};

// `currentPosition` is the display position of the current form, used when
// the target is the current one.
SheetForms TwoFormSheetSetup(PrintTarget target, int page, int formsToPrint, int currentPosition);

// The page loop of a two-form job; a form kind supplies the sheet's
// background, one form and the mark of an empty bottom form.
class TwoFormSheetJob : public PrintJob {
public:
    // The forms of the job: one per owner for all, else 1.
    int FormsToPrint() const;
    int PageCount() const override;
    SheetForms Sheet(int page) const;
    Page LayOutPage(int page) const override;

    // The display order of the owners (list indexes).
    const std::vector<int>& DisplayOrder() const { return order_; }

protected:
    // `order` lists the owners' indexes in display order; `currentOwner` is
    // the list index of the owner on the screen.
    TwoFormSheetJob(PrintTarget target, std::vector<int> order, int currentOwner);

    virtual void DrawSheet(Page& page) const = 0;
    virtual void DrawForm(Page& page, int slot, int ownerIndex) const = 0;
    virtual void DrawEmptyFormMark(Page& page) const = 0;

private:
    PrintTarget target_;
    std::vector<int> order_;
    int currentPosition_ = 0;
};
