#include "core/records/RecordListOrder.h"

#include "core/records/DisplayOrder.h"

#include <QCollator>

#include <algorithm>

namespace {

RecordListOrder::Row RowOf(int index, const EmployeeRecord& e)
{
    return {index, e.EmployeeUniqueID, {e.FirstName, e.MiddleName, e.LastName, e.SocialSecurityNumber}};
}

RecordListOrder::Row RowOf(int index, const ContractorRecord& c)
{
    return {index, c.ContractorUniqueID, {c.FirstName, c.MiddleName, c.LastName, c.IdentificationNumber}};
}

template <class List>
std::vector<RecordListOrder::Row> RowsInFirstNameOrder(const List& list)
{
    std::vector<RecordListOrder::Row> rows;
    rows.reserve(list.size());
    for (int index : FirstNameOrder(list))
        rows.push_back(RowOf(index, list[size_t(index)]));
    return rows;
}

// Whether `rows` show exactly the records of `list`, each with its index,
// id and texts.
template <class List>
bool RowsShow(const std::vector<RecordListOrder::Row>& rows, const List& list)
{
    if (rows.size() != list.size())
        return false;
    for (const RecordListOrder::Row& row : rows) {
        if (row.index < 0 || size_t(row.index) >= list.size())
            return false;
        const RecordListOrder::Row now = RowOf(row.index, list[size_t(row.index)]);
        if (now.id != row.id || now.texts != row.texts)
            return false;
    }
    return true;
}

} // namespace

template <class List>
bool RecordListOrder::RefreshFrom(const List& list)
{
    // Equal records in equal places give equal first-name order, so rows
    // that show the list already need no sorting.
    if (firstNameOrder_ && RowsShow(rows_, list))
        return false;
    rows_ = RowsInFirstNameOrder(list);
    firstNameOrder_ = true;
    return true;
}

bool RecordListOrder::Refresh(const EmployeeList& employees)
{
    return RefreshFrom(employees);
}

bool RecordListOrder::Refresh(const ContractorList& contractors)
{
    return RefreshFrom(contractors);
}

void RecordListOrder::Clear()
{
    rows_.clear();
    firstNameOrder_ = false;
}

void RecordListOrder::SortByColumn(int column)
{
    if (column < 0 || column >= kColumnCount)
        return;
    sortAscending_ = column == sortColumn_ ? !sortAscending_ : true;
    sortColumn_ = column;
    SortRows(sortColumn_, sortAscending_);
    firstNameOrder_ = false;
}

void RecordListOrder::ResetSort()
{
    sortColumn_ = kLastName;
    sortAscending_ = true;
    SortRows(sortColumn_, sortAscending_);
    firstNameOrder_ = false;
}

void RecordListOrder::SortRows(int column, bool ascending)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseSensitive);
    // Rows with equal texts keep their present order.
    std::stable_sort(rows_.begin(), rows_.end(), [&](const Row& a, const Row& b) {
        const int order = collator.compare(a.texts[size_t(column)], b.texts[size_t(column)]);
        return ascending ? order < 0 : order > 0;
    });
}

int RecordListOrder::RecordIndexAt(int row) const
{
    if (row < 0 || row >= RowCount())
        return 0;
    return rows_[size_t(row)].index;
}

int RecordListOrder::RowOfRecord(int index) const
{
    for (size_t row = 0; row < rows_.size(); ++row)
        if (rows_[row].index == index)
            return int(row);
    return -1;
}

int RecordListOrder::NextRecordIndex(int index) const
{
    const int row = RowOfRecord(index);
    if (row < 0 || row + 1 >= RowCount())
        return -1;
    return rows_[size_t(row) + 1].index;
}

int RecordListOrder::PreviousRecordIndex(int index) const
{
    const int row = RowOfRecord(index);
    if (row <= 0)
        return -1;
    return rows_[size_t(row) - 1].index;
}
