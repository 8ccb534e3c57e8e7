#pragma once

#include "core/print/PrintChoices.h"
#include "core/print/PrintJob.h"

#include <QHash>

#include <vector>

// W-2 and 1099-MISC sheets carry two forms, one above the other. A job
// prints either the current form (one sheet, top form only) or every form in
// the display order of the employee or contractor list.

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

// The list index of each owner's form, by owner id: the first form of an
// owner is the one printed, as a lookup by id finds it.
template <class Form>
QHash<int, int> FormIndexByOwner(const std::vector<Form>& forms, int Form::*owner)
{
    QHash<int, int> index;
    index.reserve(qsizetype(forms.size()));
    for (int i = int(forms.size()) - 1; i >= 0; --i)
        index.insert(forms[size_t(i)].*owner, i);
    return index;
}

// The page loop of a two-form job; a form kind supplies the sheet's
// background, one form and the mark of an empty bottom form.
class TwoFormSheetJob : public PrintJob {
public:
    // The forms of the job: every form record for all owners, else 1.
    int FormsToPrint() const;
    int PageCount() const override;
    SheetForms Sheet(int page) const;
    Page LayOutPage(int page) const override;

    // The display order of the owners (list indexes).
    const std::vector<int>& DisplayOrder() const { return order_; }

protected:
    // `order` lists the owners' indexes in display order; `currentOwner` is
    // the list index of the owner on the screen.
    TwoFormSheetJob(PrintTarget target, std::vector<int> order, int formCount, int currentOwner);

    virtual void DrawSheet(Page& page) const = 0;
    virtual void DrawForm(Page& page, int slot, int ownerIndex) const = 0;
    virtual void DrawEmptyFormMark(Page& page) const = 0;

private:
    PrintTarget target_;
    std::vector<int> order_;
    int formCount_ = 0;
    int currentPosition_ = 0;
};
