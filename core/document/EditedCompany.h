#pragma once

#include "core/document/ChangeRecord.h"
#include "core/document/CommitProgress.h"
#include "core/store/CompanyData.h"

#include <QString>

#include <optional>
#include <vector>

// What became of a change the user confirmed.
enum class SaveOutcome {
    Unchanged, // nothing to change (equal to what is kept, or no such record)
    Saved,     // changed in memory and written to the store
    Kept,      // changed in memory; the store refused it, the user was told,
               // and it stays queued for the next Save
    Cancelled, // the user stopped the writing: nothing of it stays, in
               // memory or in the store
};

// The company as the company editor changes it: its records, whether it may
// be written, its name, and the writing of one action's changes. The open
// company's document is one; the editor needs no more of it.
class EditedCompany {
public:
    virtual CompanyData& Data() = 0;
    virtual bool CanWrite() const = 0;
    // Why the company may not be written, as told to the user.
    virtual const QString& WriteRefusal() const = 0;
    // Tells the user why nothing can be written and returns true, or
    // returns false when writing is allowed.
    virtual bool RefuseWrite() = 0;
    // Makes `name` the company's name when given; the title follows.
    virtual void SetCompanyTitle(const std::optional<QString>& name) = 0;
    // Writes the changes of one confirmed user action (see CGlobalDoc).
    virtual SaveOutcome WriteChanges(const std::vector<ChangeRecord>& changes, const CommitProgress& progress) = 0;

protected:
    ~EditedCompany() = default;
};
