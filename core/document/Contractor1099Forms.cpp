#include "core/document/Contractor1099Forms.h"

#include "core/document/GlobalDoc.h"
#include "core/document/RecordKeeping.h"

Contractor1099Forms::Contractor1099Forms(CGlobalDoc& document, QObject* parent)
    : QObject(parent)
    , document_(document)
{
}

int Contractor1099Forms::NextForm1099Id() const
{
    return NextUniqueId(document_.Forms1099(), &Form1099Record::Form1099UniqueID);
}

int Contractor1099Forms::ContractorAdded(int contractorId)
{
    const int index =
        AppendOwnedForm(document_, document_.Forms1099(), &Form1099Record::ContractorUniqueID,
                        &Form1099Record::Form1099UniqueID, ChangeRecord::kForm1099, contractorId, NextForm1099Id());
    emit form1099Added(contractorId, index);
    return index;
}

int Contractor1099Forms::ContractorDeleted(int contractorId)
{
    const int firstIndex =
        RemoveOwnedForms(document_, document_.Forms1099(), &Form1099Record::ContractorUniqueID,
                         &Form1099Record::Form1099UniqueID, ChangeRecord::kForm1099, contractorId, [] {});
    if (firstIndex >= 0)
        emit form1099Deleted(contractorId, firstIndex);
    return firstIndex;
}
