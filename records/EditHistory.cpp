#include "records/EditHistory.h"

void EditHistory::Record(const EditState& before, const EditState& after)
{
    steps_.erase(steps_.begin() + std::ptrdiff_t(next_), steps_.end());
    steps_.push_back({before, after});
    if (steps_.size() > kMaxSteps)
        steps_.erase(steps_.begin());
    next_ = steps_.size();
}

void EditHistory::Clear()
{
    steps_.clear();
    next_ = 0;
}

std::optional<EditState> EditHistory::Undo()
{
    if (!CanUndo())
        return std::nullopt;
    return steps_[--next_].before;
}

std::optional<EditState> EditHistory::Redo()
{
    if (!CanRedo())
        return std::nullopt;
    return steps_[next_++].after;
}
