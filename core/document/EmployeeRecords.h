#pragma once

#include "core/document/RecordKeeping.h"
#include "core/store/Records.h"

#include <QString>

class CGlobalDoc;

// Messages of the Employee dialog, in the order of its checks.
namespace EmployeeMessages {
inline constexpr char kSsnEmpty[] = "Please fill in the 'Employee's social security number' Field";
inline constexpr char kSsnAssigned[] = "Social Security Number already assigned to an existing employee";
inline constexpr char kFirstNameEmpty[] = "Please fill in the 'Employee's Name(first)' Field";
inline constexpr char kLastNameEmpty[] = "Please fill in the 'Employee's Name(last)' Field";
} // namespace EmployeeMessages

// The first check a new employee fails, as the message the user sees; empty
// when it may be added. A social security number is a duplicate when
// another employee has exactly the same text (dashes included).
QString CheckNewEmployee(const EmployeeRecord& candidate, const EmployeeList& employees);

// Adding, changing and deleting the open company's employees. Each change
// goes into the document's list, marks the document modified and is written
// to the store at once; the employee's W-2 follows (EmployeeW2Forms).
class EmployeeRecords {
public:
    explicit EmployeeRecords(CGlobalDoc& document)
        : document_(document)
    {
    }

    using AddResult = AddedRecord;
    // Checks `record` as a new employee; if it passes, gives it the next
    // id, appends it, writes it, and creates its W-2.
    AddResult Add(EmployeeRecord record);

    // Replaces the employee of (index, id) by `record` (which keeps the stored
    // id) unless every field is equal, and writes the change. Nothing is
    // checked: a changed employee may share another's number. Returns
    // whether anything changed.
    bool Modify(int index, int id, EmployeeRecord record);

    // Removes the employee of (index, id) and its W-2, and writes both
    // deletions. Returns false when no such employee exists.
    bool Delete(int index, int id);

private:
    CGlobalDoc& document_;
};
