#pragma once

#include "gui/controls/FormView.h"

class CColorButton;
class CPropSheetCompany;

// The company setup screen: the sheet of the company's General
// Information, W3 Information and 1096 Information, and the buttons
// "Update" (save into the company record and the store), "Reset" (show the
// record again) and "Clear" (empty every box; nothing is written until
// "Update").
class CCompanyView : public CFormView {
    Q_OBJECT

public:
    explicit CCompanyView(CGlobalDoc& document, QWidget* parent = nullptr);

    static constexpr char kEmptyEmployerName[] = "\"Employer Name\" in the \"General Information\" pane can't be empty!";

    // Shows the document's company record.
    void RefreshFromDocument(CGlobalDoc& document) override;
    void OnViewShown() override;

    CPropSheetCompany& Sheet() const { return *sheet_; }
    CColorButton* UpdateButton() const { return update_; }
    CColorButton* ResetButton() const { return reset_; }
    CColorButton* ClearButton() const { return clear_; }

public slots:
    void OnUpdate();
    void OnReset();
    void OnClear();

private:
    // Reset and Clear: the title (and company name) from the record again.
    void RetitleFromRecord();

    CPropSheetCompany* sheet_;
    CColorButton* update_;
    CColorButton* reset_;
    CColorButton* clear_;
    bool focusPlaced_ = false;
};
