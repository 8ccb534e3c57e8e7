#include "core/print/TwoFormSheetJob.h"

#include <algorithm>

int TwoFormSheetCount(PrintTarget target, int formsToPrint)
{
    if (target != PrintTarget::All)
        return 1;
    if (formsToPrint <= 0)
        return 0;
    return (formsToPrint + 1) / 2;
}

SheetForms TwoFormSheetSetup(PrintTarget target, int page, int formsToPrint, int currentPosition)
{
    const int pages = TwoFormSheetCount(target, formsToPrint);
    if (page < 1 || page > pages)
        return {};
    if (target != PrintTarget::All)
        return {currentPosition, 1};
    const bool lastOfOdd = page == pages && formsToPrint % 2 == 1;
    return {2 * (page - 1), lastOfOdd ? 1 : 2};
}

TwoFormSheetJob::TwoFormSheetJob(PrintTarget target, std::vector<int> order, int currentOwner)
    : target_(target)
    , order_(std::move(order))
{
    const auto it = std::find(order_.begin(), order_.end(), currentOwner);
    currentPosition_ = it == order_.end() ? 0 : int(it - order_.begin());
}

int TwoFormSheetJob::FormsToPrint() const
{
    return target_ == PrintTarget::All ? int(order_.size()) : 1;
}

int TwoFormSheetJob::PageCount() const
{
    if (target_ != PrintTarget::All && order_.empty())
        return 0;
    return TwoFormSheetCount(target_, FormsToPrint());
}

SheetForms TwoFormSheetJob::Sheet(int page) const
{
    if (page < 1 || page > PageCount())
        return {};
    return TwoFormSheetSetup(target_, page, FormsToPrint(), currentPosition_);
}

Page TwoFormSheetJob::LayOutPage(int pageNumber) const
{
    Page page;
    const SheetForms sheet = Sheet(pageNumber);
    if (sheet.formsOnPage == 0)
        return page;
    page.items.reserve(128);
    DrawSheet(page);
    for (int slot = 0; slot < sheet.formsOnPage; ++slot) {
        const int position = sheet.firstPosition + slot;
        if (position >= 0 && position < int(order_.size()))
            DrawForm(page, slot, order_[size_t(position)]);
    }
    if (sheet.formsOnPage == 1)
        DrawEmptyFormMark(page);
    return page;
}
