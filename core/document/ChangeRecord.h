#pragma once

#include <vector>

// One queued change of the open company: which record, what happens to it.
struct ChangeRecord {
    enum RecordKind { kEmployee = 0, kContractor = 1, kW2 = 2, kForm1099 = 3, kCompany = 4 };
    enum OperationKind { kInsert = 0, kDelete = 1, kUpdate = 2 };

    int Kind = kEmployee;
    int Operation = kInsert;
    int ListIndex = -1; // index in the document's list of that kind; -1 for the company
    int UniqueID = -1;  // the record's id; for the company 1 on insert, -1 on update
    int Dropped = 0;    // set while the queue is pruned

    bool operator==(const ChangeRecord&) const = default;
};

using ChangeQueue = std::vector<ChangeRecord>;

// Removes the changes that must not reach the store: for every queued
// delete, every other change of the same kind and id is dropped, and when
// one of those was an insert the delete goes too (the record never existed
// in the store). The order of the remaining changes is kept.
void DropCancelledChanges(ChangeQueue& queue);
