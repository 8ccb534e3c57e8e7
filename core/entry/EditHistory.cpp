#include "core/entry/EditHistory.h"

void EditHistory::Record(const EditState& before, const EditState& after, EditKind kind)
{
    steps_.erase(steps_.begin() + std::ptrdiff_t(next_), steps_.end());
    const bool joins = mayJoin_ && kind != EditKind::Other && !steps_.empty() && steps_.back().kind == kind
                       && steps_.back().after == before;
    mayJoin_ = true;
    if (joins) {
        steps_.back().after = after;
        return;
    }
    steps_.push_back({before, after, kind});
    if (steps_.size() > kMaxSteps)
        steps_.erase(steps_.begin());
    next_ = steps_.size();
}

void EditHistory::Clear()
{
    steps_.clear();
    next_ = 0;
    mayJoin_ = false;
}

std::optional<EditState> EditHistory::Undo()
{
    if (!CanUndo())
        return std::nullopt;
    mayJoin_ = false;
    return steps_[--next_].before;
}

std::optional<EditState> EditHistory::Redo()
{
    if (!CanRedo())
        return std::nullopt;
    mayJoin_ = false;
    return steps_[next_++].after;
}
