#pragma once

#include "core/records/RecordListOrder.h"
#include "core/store/RecordLookup.h"

#include <vector>

// The owners of one kind of form (employees or contractors) and their
// forms (W-2s or 1099-MISCs), as a form screen steps through them.
class FormOwnerLists {
public:
    virtual ~FormOwnerLists() = default;
    virtual int OwnerCount() const = 0;
    // The id of the owner at list index `index` (-1 outside the list).
    virtual int OwnerIdAt(int index) const = 0;
    // The list index of the owner `ownerId` (-1 when there is none).
    virtual int OwnerIndexOf(int ownerId) const = 0;
    // The list index of the first form of `ownerId` (-1 when it has none).
    virtual int FormIndexOf(int ownerId) const = 0;
};

// The document's owner and form lists of one kind, by reference.
template <class Owner, class Form>
class OwnerFormLists final : public FormOwnerLists {
public:
    OwnerFormLists(const std::vector<Owner>& owners, int Owner::*ownerId, const std::vector<Form>& forms,
                   int Form::*formOwner)
        : owners_(owners)
        , ownerId_(ownerId)
        , forms_(forms)
        , formOwner_(formOwner)
    {
    }
    int OwnerCount() const override { return int(owners_.size()); }
    int OwnerIdAt(int index) const override
    {
        return index >= 0 && index < OwnerCount() ? owners_[size_t(index)].*ownerId_ : -1;
    }
    int OwnerIndexOf(int ownerId) const override { return FindRecordIndex(owners_, ownerId_, -1, ownerId); }
    int FormIndexOf(int ownerId) const override { return FindRecordIndex(forms_, formOwner_, -1, ownerId); }

private:
    const std::vector<Owner>& owners_;
    int Owner::*ownerId_;
    const std::vector<Form>& forms_;
    int Form::*formOwner_;
};

// Which owner a form screen shows and the index of its form. Moves follow
// the display order of the owners' list screen (RecordListOrder), so
// Next and Previous step as the user sees the list sorted.
//
// The cursor remembers its owner by index and by id: when the list moves
// under it (an owner before it deleted), it follows the id.
class FormCursor {
public:
    int OwnerIndex() const { return ownerIndex_; }
    int OwnerId() const { return ownerId_; }
    int FormIndex() const { return formIndex_; }
    // No owner has been chosen yet: the next show takes the first one of
    // the display order.
    bool FirstShow() const { return firstShow_; }

    // Settles the cursor before the form is shown: on the first show on
    // the owner at display position 0, else on its own owner (found by id
    // if the list moved on, or display position 0 if it is gone); then
    // looks up the owner's form. False, and nothing to show, when there
    // are no owners.
    bool Settle(const RecordListOrder& order, const FormOwnerLists& lists);

    enum class Step {
        None,  // no owner after (before) the current one in the display order
        Moved, // the cursor is on another owner
        Same,  // the owner there is the current one
    };
    Step StepNext(const RecordListOrder& order, const FormOwnerLists& lists);
    Step StepPrevious(const RecordListOrder& order, const FormOwnerLists& lists);

    // The owner chosen in a selection list, by list index (clamped to the
    // list).
    void Select(int ownerIndex, const FormOwnerLists& lists);

    // A new owner was added: the cursor goes to the first owner of the list.
    void OwnerAdded(const FormOwnerLists& lists);
    // The owner `ownerId` was deleted. `orderBefore` is the display order
    // as it stood before (row ids are what count). When the shown owner is
    // the deleted one, the cursor takes the owner that followed it in the
    // display order, or the one before it when it was the last; other
    // owners keep their place.
    void OwnerDeleted(int ownerId, const RecordListOrder& orderBefore, const FormOwnerLists& lists);

    // Back to the start: no owner chosen.
    void Reset();

private:
    Step StepTo(int index, const FormOwnerLists& lists);
    void MoveTo(int index, const FormOwnerLists& lists);

    int ownerIndex_ = 0;
    int ownerId_ = -1;
    int formIndex_ = 0;
    bool firstShow_ = true;
};
