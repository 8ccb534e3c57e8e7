#pragma once

#include "core/entry/EditState.h"

#include <optional>
#include <vector>

// What kind of edit a step was. A run of typed characters is undone in one
// step, and so is a run of Backspace or Delete presses, as in any edit box;
// every other edit is a step of its own.
enum class EditKind { Typing, Erasing, Other };

// Undo and redo of a rule box. Each recorded step is the state before and
// after one edit; the box records only edits it made itself, through its
// rule, and starts over whenever other code sets its text. Undo therefore
// only ever returns to texts the box showed, and the box still runs them
// through its rule in case the rule changed since.
class EditHistory {
public:
    // A Typing or Erasing edit that goes on from where the last step of the
    // same kind left off joins that step.
    void Record(const EditState& before, const EditState& after, EditKind kind = EditKind::Other);
    void Clear();

    bool CanUndo() const { return next_ > 0; }
    bool CanRedo() const { return next_ < steps_.size(); }
    // The state to go back or forward to, or nothing when there is none.
    std::optional<EditState> Undo();
    std::optional<EditState> Redo();

private:
    struct Step {
        EditState before;
        EditState after;
        EditKind kind;
    };
    static constexpr std::size_t kMaxSteps = 200;
    std::vector<Step> steps_;
    std::size_t next_ = 0; // steps_[0, next_) are done, the rest undone
    bool mayJoin_ = false; // no run goes on across an undo or redo
};
