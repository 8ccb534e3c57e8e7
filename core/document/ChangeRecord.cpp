#include "core/document/ChangeRecord.h"

#include <algorithm>

void DropCancelledChanges(ChangeQueue& queue)
{
    for (size_t d = 0; d < queue.size(); ++d) {
        ChangeRecord& removal = queue[d];
        if (removal.Operation != ChangeRecord::kDelete)
            continue;
        for (size_t i = 0; i < queue.size(); ++i) {
            ChangeRecord& other = queue[i];
            if (i == d || other.Kind != removal.Kind || other.UniqueID != removal.UniqueID)
                continue;
            other.Dropped = 1;
            if (other.Operation == ChangeRecord::kInsert)
                removal.Dropped = 1;
        }
    }
    queue.erase(std::remove_if(queue.begin(), queue.end(), [](const ChangeRecord& c) { return c.Dropped != 0; }),
                queue.end());
}
