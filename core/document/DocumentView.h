#pragma once

#include "core/document/ChangeRecord.h"
#include "core/navigation/Navigation.h"

class CGlobalDoc;

// A screen that shows the open company. The document hands its data to the
// views after every switch of company, and after a change to the views that
// show the kinds of record changed, always in the order below, so totals
// are computed from saved records.
class DocumentView {
public:
    static constexpr Screen kRefreshOrder[] = {
        Screen::CompanySetup, Screen::Employees, Screen::Contractors, Screen::W3,
        Screen::W2,           Screen::Form1096,  Screen::Form1099,
    };

    virtual ~DocumentView() = default;

    // Show what the document now holds.
    virtual void RefreshFromDocument(CGlobalDoc& document) = 0;
    // Whether the view shows records of `kind` (or figures made of them):
    // a change of such a record refreshes it.
    virtual bool Shows(RecordKind kind) const
    {
        (void)kind;
        return true;
    }
    // The document dropped its records (another company is being opened):
    // forget current positions and working copies.
    virtual void OnCompanyDataCleared() { }
    // The company is about to be closed or switched: a view holding typed
    // entries the document doesn't have yet asks whether to save them, and
    // saves them on Yes. False stops the closing or switching.
    virtual bool OfferToSaveTypedEntries() { return true; }
};
