#include "core/records/FormCursor.h"

#include <algorithm>

bool FormCursor::Settle(const RecordListOrder& order, const FormOwnerLists& lists)
{
    const int count = lists.OwnerCount();
    if (count == 0) {
        formIndex_ = -1;
        return false;
    }
    if (firstShow_) {
        firstShow_ = false;
        MoveTo(order.RecordIndexAt(0), lists);
        return true;
    }
    if (ownerId_ < 0 || lists.OwnerIdAt(ownerIndex_) != ownerId_) {
        const int index = lists.OwnerIndexOf(ownerId_);
        MoveTo(index >= 0 ? index : order.RecordIndexAt(0), lists);
        return true;
    }
    formIndex_ = lists.FormIndexOf(ownerId_);
    return true;
}

FormCursor::Step FormCursor::StepNext(const RecordListOrder& order, const FormOwnerLists& lists)
{
    return StepTo(order.NextRecordIndex(ownerIndex_), lists);
}

FormCursor::Step FormCursor::StepPrevious(const RecordListOrder& order, const FormOwnerLists& lists)
{
    return StepTo(order.PreviousRecordIndex(ownerIndex_), lists);
}

FormCursor::Step FormCursor::StepTo(int index, const FormOwnerLists& lists)
{
    if (index < 0 || index >= lists.OwnerCount())
        return Step::None;
    if (index == ownerIndex_ && lists.OwnerIdAt(index) == ownerId_)
        return Step::Same;
    MoveTo(index, lists);
    return Step::Moved;
}

void FormCursor::Select(int ownerIndex, const FormOwnerLists& lists)
{
    if (lists.OwnerCount() == 0)
        return;
    firstShow_ = false;
    MoveTo(ownerIndex, lists);
}

void FormCursor::OwnerAdded(const FormOwnerLists& lists)
{
    MoveTo(0, lists);
}

void FormCursor::OwnerDeleted(int ownerId, const RecordListOrder& orderBefore, const FormOwnerLists& lists)
{
    if (lists.OwnerCount() == 0) {
        MoveTo(0, lists);
        return;
    }
    if (ownerId != ownerId_)
        return; // Settle follows the shown owner to its new index
    // The neighbours in the order the user saw: the one below, else the
    // one above.
    const std::vector<RecordListOrder::Row>& rows = orderBefore.Rows();
    const auto deleted = std::find_if(rows.begin(), rows.end(),
                                      [&](const RecordListOrder::Row& row) { return row.id == ownerId; });
    int neighbour = -1;
    if (deleted != rows.end()) {
        for (auto it = deleted + 1; it != rows.end() && neighbour < 0; ++it)
            neighbour = lists.OwnerIndexOf(it->id);
        for (auto it = deleted; it != rows.begin() && neighbour < 0;)
            neighbour = lists.OwnerIndexOf((--it)->id);
    }
    MoveTo(neighbour >= 0 ? neighbour : 0, lists);
}

void FormCursor::Reset()
{
    *this = FormCursor();
}

void FormCursor::MoveTo(int index, const FormOwnerLists& lists)
{
    const int count = lists.OwnerCount();
    ownerIndex_ = count > 0 ? std::clamp(index, 0, count - 1) : 0;
    ownerId_ = lists.OwnerIdAt(ownerIndex_);
    formIndex_ = ownerId_ >= 0 ? lists.FormIndexOf(ownerId_) : -1;
}
