#pragma once

#include <algorithm>
#include <vector>

// A new record's id: 1 + the largest id in its list, or 1 for an empty list.
// Ids are never taken from the engine.
template <class Record, class Id>
int NextUniqueId(const std::vector<Record>& list, Id Record::*id)
{
    int largest = 0;
    for (const Record& r : list)
        largest = std::max(largest, int(r.*id));
    return largest + 1;
}
