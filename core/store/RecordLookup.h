#pragma once

#include <QHash>

#include <vector>

// The list index of the record a screen row or dialog speaks of: `index`
// when the record there still carries `id`, else the index of the record
// with that id (the list moved on since the row was made), else -1.
template <class Record>
int FindRecordIndex(const std::vector<Record>& list, int Record::*idMember, int index, int id)
{
    if (index >= 0 && size_t(index) < list.size() && list[size_t(index)].*idMember == id)
        return index;
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].*idMember == id)
            return int(i);
    return -1;
}

// Forms (W-2, 1099-MISC) belong to their owner (employee, contractor) by the
// owner's id, never by their place in the lists. An owner's form is the
// first form in list order that carries its id; a form whose owner is gone,
// and any further form of an owner, belongs to nobody.

// The list index of each owner's form, by owner id.
template <class Form>
QHash<int, int> FormIndexByOwner(const std::vector<Form>& forms, int Form::*owner)
{
    QHash<int, int> index;
    index.reserve(qsizetype(forms.size()));
    for (int i = int(forms.size()) - 1; i >= 0; --i)
        index.insert(forms[size_t(i)].*owner, i);
    return index;
}

// The form of each owner that has one, in the owners' order.
template <class Owner, class Form>
std::vector<const Form*> FormsOfOwners(const std::vector<Owner>& owners, int Owner::*ownerId,
                                       const std::vector<Form>& forms, int Form::*formOwner)
{
    const QHash<int, int> index = FormIndexByOwner(forms, formOwner);
    std::vector<const Form*> owned;
    owned.reserve(owners.size());
    for (const Owner& owner : owners) {
        const int at = index.value(owner.*ownerId, -1);
        if (at >= 0)
            owned.push_back(&forms[size_t(at)]);
    }
    return owned;
}
