#pragma once

#include "core/store/Records.h"

#include <QString>

#include <array>
#include <vector>

// The rows of the employee or contractor list and their order, free of
// windows: the screen shows Rows() as they stand, and the W-2 and 1099-MISC
// screens step through the records in the same order.
//
// A refresh puts the rows in first-name order. A click on a column sorts by
// that column's texts (locale-aware, case-sensitive): the column sorted last
// is reversed, any other column sorts ascending. The remembered column
// starts as "Last Name" ascending, so the very first click on "Last Name"
// sorts descending.
class RecordListOrder {
public:
    enum Column { kFirstName = 0, kMiddleName = 1, kLastName = 2, kNumber = 3, kColumnCount = 4 };

    // One row: the record it shows (index in the document's list, id) and
    // its column texts.
    struct Row {
        int index = -1;
        int id = -1;
        std::array<QString, kColumnCount> texts;
    };

    // Rebuilds the rows from the list, in first-name order. The fourth
    // column is the social security number or identification number.
    // Returns false when the rows stood so already (nothing to show anew):
    // a list of thousands is refreshed after every saved form.
    bool Refresh(const EmployeeList& employees);
    bool Refresh(const ContractorList& contractors);
    void Clear();

    // A click on the header of `column`.
    void SortByColumn(int column);
    // Sorts by "Last Name" ascending and remembers it, as after a change
    // of the list; a refresh then shows first-name order again.
    void ResetSort();
    int SortColumn() const { return sortColumn_; }
    bool SortAscending() const { return sortAscending_; }

    const std::vector<Row>& Rows() const { return rows_; }
    int RowCount() const { return int(rows_.size()); }

    // Row queries. The record index shown at display row `row` (none: 0);
    // the display row of record index `index` (none: -1); the record index
    // of the row after, and before, the row of record index `index` (none,
    // or no such row: -1).
    int RecordIndexAt(int row) const;
    int RowOfRecord(int index) const;
    int NextRecordIndex(int index) const;
    int PreviousRecordIndex(int index) const;

private:
    template <class List>
    bool RefreshFrom(const List& list);
    void SortRows(int column, bool ascending);

    std::vector<Row> rows_;
    // The rows are as a refresh leaves them (no column sorted since).
    bool firstNameOrder_ = false;
    int sortColumn_ = kLastName;
    bool sortAscending_ = true;
};
