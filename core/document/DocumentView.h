#pragma once

class CGlobalDoc;

// A screen that shows the open company. The document hands its data to the
// views after every switch of company and after every change, always in the
// same order of roles (below), so totals are computed from saved records.
class DocumentView {
public:
    enum Role {
        kCompanySetupView,
        kEmployeeView,
        kContractorView,
        kW3View,
        kW2View,
        kForm1096View,
        kForm1099View,
        kRoleCount,
    };

    virtual ~DocumentView() = default;

    // Show what the document now holds.
    virtual void RefreshFromDocument(CGlobalDoc& document) = 0;
    // The document dropped its records (another company is being opened):
    // forget current positions and working copies.
    virtual void OnCompanyDataCleared() {}
};
