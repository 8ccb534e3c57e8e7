#pragma once

#include "core/document/GlobalDoc.h"
#include "core/store/IdAllocation.h"
#include "core/store/RecordLookup.h"

#include <QString>

#include <vector>

// The list steps that adding, changing and deleting employees and
// contractors share: each goes into the document's list and is written at
// once as a change of `kind`.

struct AddedRecord {
    QString refusal; // the message of the failed check; empty when added
    int index = -1;  // the new record's list index
    int id = -1;     // and id
    bool Added() const { return refusal.isEmpty(); }
};

// Gives `record` the next id of `list`, appends it and writes it.
template <class Record>
AddedRecord AppendRecord(CGlobalDoc& document, std::vector<Record>& list, int Record::*id, int kind, Record record)
{
    record.*id = NextUniqueId(list, id);
    list.push_back(record);
    AddedRecord added;
    added.index = int(list.size()) - 1;
    added.id = record.*id;
    document.SaveChange({kind, ChangeRecord::kInsert, added.index, added.id, 0});
    return added;
}

// Replaces the record of (index, uniqueId) by `record`, which keeps the
// stored id, unless every field is equal, and writes the change. Returns
// whether anything changed.
template <class Record>
bool ReplaceRecord(CGlobalDoc& document, std::vector<Record>& list, int Record::*id, int kind, int index,
                   int uniqueId, Record record)
{
    index = FindRecordIndex(list, id, index, uniqueId);
    if (index < 0)
        return false;
    Record& stored = list[size_t(index)];
    record.*id = stored.*id;
    if (record == stored)
        return false;
    stored = record;
    document.SaveChange({kind, ChangeRecord::kUpdate, index, record.*id, 0});
    return true;
}

// Removes the record of (index, uniqueId) and writes the deletion. Returns
// false when there is no such record.
template <class Record>
bool RemoveRecord(CGlobalDoc& document, std::vector<Record>& list, int Record::*id, int kind, int index,
                  int uniqueId)
{
    index = FindRecordIndex(list, id, index, uniqueId);
    if (index < 0)
        return false;
    list.erase(list.begin() + index);
    document.SaveChange({kind, ChangeRecord::kDelete, index, uniqueId, 0});
    return true;
}

// The forms that follow their owners (a W-2 per employee, a 1099-MISC per
// contractor).

// Appends an empty form of `ownerId` with id `formId` and writes it.
// Returns its list index.
template <class Form>
int AppendOwnedForm(CGlobalDoc& document, std::vector<Form>& forms, int Form::*owner, int Form::*id, int kind,
                    int ownerId, int formId)
{
    Form form;
    form.*id = formId;
    form.*owner = ownerId;
    forms.push_back(form);
    const int index = int(forms.size()) - 1;
    document.SaveChange({kind, ChangeRecord::kInsert, index, formId, 0});
    return index;
}

// Removes every form of `ownerId` (an owner has one; should a store hold
// more, none may outlive the owner and go on counting in the totals) and
// writes each deletion. `beforeEach` runs just before a form goes. Returns
// the first removed index, or -1.
template <class Form, class BeforeEach>
int RemoveOwnedForms(CGlobalDoc& document, std::vector<Form>& forms, int Form::*owner, int Form::*id, int kind,
                     int ownerId, BeforeEach beforeEach)
{
    int firstIndex = -1;
    for (int index = 0; index < int(forms.size());) {
        if (forms[size_t(index)].*owner != ownerId) {
            ++index;
            continue;
        }
        beforeEach();
        const int formId = forms[size_t(index)].*id;
        forms.erase(forms.begin() + index);
        if (firstIndex < 0)
            firstIndex = index;
        document.SaveChange({kind, ChangeRecord::kDelete, index, formId, 0});
    }
    return firstIndex;
}
