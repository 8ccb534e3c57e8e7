#include "core/document/ChangeRecord.h"

#include <algorithm>

void DropCancelledChanges(ChangeQueue& queue)
{
    for (size_t d = 0; d < queue.size(); ++d) {
        ChangeRecord& removal = queue[d];
        if (removal.Operation != ChangeOperation::Delete)
            continue;
        for (size_t i = 0; i < queue.size(); ++i) {
            ChangeRecord& other = queue[i];
            if (i == d || other.Kind != removal.Kind || other.UniqueID != removal.UniqueID)
                continue;
            other.Dropped = true;
            if (other.Operation == ChangeOperation::Insert)
                removal.Dropped = true;
        }
    }
    queue.erase(std::remove_if(queue.begin(), queue.end(), [](const ChangeRecord& c) { return c.Dropped; }),
                queue.end());
}
