#pragma once

#include <vector>

// The kinds of record a change can concern; the numbers are those the
// change queue has always used.
enum class RecordKind { Employee = 0, Contractor = 1, W2 = 2, Form1099 = 3, Company = 4 };
enum class ChangeOperation { Insert = 0, Delete = 1, Update = 2 };

// One queued change of the open company: which record, what happens to it.
struct ChangeRecord {
    RecordKind Kind = RecordKind::Employee;
    ChangeOperation Operation = ChangeOperation::Insert;
    int ListIndex = -1;   // index in the document's list of that kind; -1 for the company
    int UniqueID = -1;    // the record's id; for the company 1 on insert, -1 on update
    bool Dropped = false; // set while the queue is pruned

    bool operator==(const ChangeRecord&) const = default;
};

using ChangeQueue = std::vector<ChangeRecord>;

// Removes the changes that must not reach the store: for every queued
// delete, every other change of the same kind and id is dropped, and when
// one of those was an insert the delete goes too (the record never existed
// in the store). The order of the remaining changes is kept.
void DropCancelledChanges(ChangeQueue& queue);
