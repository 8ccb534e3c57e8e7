#include "wage/EmployeeW2Forms.h"

#include "app/GlobalDoc.h"
#include "store/IdAllocation.h"

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
    W2Record form;
    form.W2UniqueID = NextW2Id();
    form.EmployeeUniqueID = employeeId;
    W2List& forms = document_.W2Forms();
    forms.push_back(form);
    const int index = int(forms.size()) - 1;
    document_.SaveChange({ChangeRecord::kW2, ChangeRecord::kInsert, index, form.W2UniqueID, 0});
    emit w2Added(employeeId, index);
    return index;
}

int EmployeeW2Forms::EmployeeDeleted(int employeeId)
{
    W2List& forms = document_.W2Forms();
    int firstIndex = -1;
    // An employee has one W-2; should a store hold more, none of them may
    // outlive the employee and go on counting in the W-3 totals.
    for (int index = 0; index < int(forms.size());) {
        if (forms[size_t(index)].EmployeeUniqueID != employeeId) {
            ++index;
            continue;
        }
        rememberedNextW2Id_ = NextUniqueId(forms, &W2Record::W2UniqueID);
        const int id = forms[size_t(index)].W2UniqueID;
        forms.erase(forms.begin() + index);
        if (firstIndex < 0)
            firstIndex = index;
        document_.SaveChange({ChangeRecord::kW2, ChangeRecord::kDelete, index, id, 0});
    }
    if (firstIndex >= 0)
        emit w2Deleted(employeeId, firstIndex);
    return firstIndex;
}
