#pragma once

#include "core/document/RecordKeeping.h"
#include "core/store/Records.h"

#include <QString>

class CGlobalDoc;

// Messages of the Contractor dialog, in the order of its checks, spelt as
// the user has always seen them.
namespace ContractorMessages {
inline constexpr char kIdNumberEmpty[] = "Pease fill in the 'Contractor's identification number' Field";
inline constexpr char kIdNumberAssigned[] = "Identification Number already assigned to an existing contractor";
inline constexpr char kFirstNameEmpty[] = "Pease fill in the 'Contractor's Name(first)' Field";
inline constexpr char kLastNameEmpty[] = "Pease fill in the 'Contractor's Name(last)' Field";
inline constexpr char kAddress1Empty[] = "Pease fill in the 'Address1' Field";
inline constexpr char kCityEmpty[] = "Pease fill in the 'City' Filed";
inline constexpr char kNoState[] = "Pease choose a valid 'State' ";
inline constexpr char kZipEmpty[] = "Pease fill in the 'Zip' Filed";
} // namespace ContractorMessages

// The first check a new contractor fails, as the message the user sees;
// empty when it may be added. Unlike an employee, a contractor needs an
// address, a city, a state (not the blank entry) and a Zip code, since the
// 1099-MISC is mailed to it. An identification number is a duplicate when
// another contractor has exactly the same text.
QString CheckNewContractor(const ContractorRecord& candidate, const ContractorList& contractors);

// Adding, changing and deleting the open company's contractors, as
// EmployeeRecords does for employees; the contractor's 1099-MISC follows
// (Contractor1099Forms).
class ContractorRecords {
public:
    explicit ContractorRecords(CGlobalDoc& document)
        : document_(document)
    {
    }

    using AddResult = AddedRecord;
    // Checks `record` as a new contractor; if it passes, gives it the next
    // id, appends it, writes it, and creates its 1099-MISC.
    AddResult Add(ContractorRecord record);

    // Replaces the contractor of (index, id) by `record` (which keeps the stored
    // id) unless the ten texts and "2nd TIN not." are all equal, and writes
    // the change. Nothing is checked. Returns whether anything changed.
    bool Modify(int index, int id, ContractorRecord record);

    // Removes the contractor of (index, id) and its 1099-MISC, and writes
    // both deletions. Returns false when no such contractor exists.
    bool Delete(int index, int id);

private:
    CGlobalDoc& document_;
};
