#pragma once

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
