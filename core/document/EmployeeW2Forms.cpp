#include "core/document/EmployeeW2Forms.h"

#include "core/document/GlobalDoc.h"
#include "core/document/RecordKeeping.h"

EmployeeW2Forms::EmployeeW2Forms(CGlobalDoc& document, QObject* parent)
    : QObject(parent)
    , document_(document)
{
}

int EmployeeW2Forms::NextW2Id() const
{
    const W2List& forms = document_.W2Forms();
    return forms.empty() ? rememberedNextW2Id_ : NextUniqueId(forms, &W2Record::W2UniqueID);
}

int EmployeeW2Forms::EmployeeAdded(int employeeId)
{
    const int index = AppendOwnedForm(document_, document_.W2Forms(), &W2Record::EmployeeUniqueID, &W2Record::W2UniqueID,
                                      ChangeRecord::kW2, employeeId, NextW2Id());
    emit w2Added(employeeId, index);
    return index;
}

int EmployeeW2Forms::EmployeeDeleted(int employeeId)
{
    W2List& forms = document_.W2Forms();
    // A new W-2 of an empty list takes the id after the last one deleted.
    const int firstIndex =
        RemoveOwnedForms(document_, forms, &W2Record::EmployeeUniqueID, &W2Record::W2UniqueID, ChangeRecord::kW2,
                         employeeId, [&] { rememberedNextW2Id_ = NextUniqueId(forms, &W2Record::W2UniqueID); });
    if (firstIndex >= 0)
        emit w2Deleted(employeeId, firstIndex);
    return firstIndex;
}
