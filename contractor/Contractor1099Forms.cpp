#include "contractor/Contractor1099Forms.h"

#include "app/GlobalDoc.h"
#include "store/IdAllocation.h"

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
    Form1099Record form;
    form.Form1099UniqueID = NextForm1099Id();
    form.ContractorUniqueID = contractorId;
    Form1099List& forms = document_.Forms1099();
    forms.push_back(form);
    const int index = int(forms.size()) - 1;
    document_.SaveChange({ChangeRecord::kForm1099, ChangeRecord::kInsert, index, form.Form1099UniqueID, 0});
    emit form1099Added(contractorId, index);
    return index;
}

int Contractor1099Forms::ContractorDeleted(int contractorId)
{
    Form1099List& forms = document_.Forms1099();
    int firstIndex = -1;
    for (int index = 0; index < int(forms.size());) {
        if (forms[size_t(index)].ContractorUniqueID != contractorId) {
            ++index;
            continue;
        }
        const int id = forms[size_t(index)].Form1099UniqueID;
        forms.erase(forms.begin() + index);
        if (firstIndex < 0)
            firstIndex = index;
        document_.SaveChange({ChangeRecord::kForm1099, ChangeRecord::kDelete, index, id, 0});
    }
    if (firstIndex >= 0)
        emit form1099Deleted(contractorId, firstIndex);
    return firstIndex;
}
