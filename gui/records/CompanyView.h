#pragma once

#include "gui/screens/FormView.h"
#include "core/records/CompanyBoxes.h"
#include "core/prompt/Prompt.h"
#include "core/store/Records.h"

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
    // Shows the company row.
    bool Shows(RecordKind kind) const override { return kind == RecordKind::Company; }
    explicit CCompanyView(CGlobalDoc& document, QWidget* parent = nullptr);

    // The company setup file's import refuses the same.
    static constexpr const char* kEmptyEmployerName = ::kEmptyEmployerName;

    static constexpr char kSaveBeforeLeaving[] =
        "Would you like to save the changes you have done to the company setup before navigating away from this "
        "form?";
    static constexpr char kSaveBeforeReplacing[] =
        "Would you like to save the changes you have done to the company setup before they are replaced?";

    // Shows the document's company record. Entries typed since the record
    // was last shown are not overwritten without the question whether to
    // save them first.
    void RefreshFromDocument(CGlobalDoc& document) override;
    void OnCompanyDataCleared() override;
    bool OfferToSaveTypedEntries() override;
    void OnViewShown() override;
    void OnViewHidden() override;

    // Whether the boxes hold something the company record does not.
    bool HasTypedEntries() const;

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
    // Every box from the document's record.
    void ShowRecord();
    // The question about typed entries, and on Yes their saving. Returns
    // false when they were to be saved but could not be (an empty employer
    // name), or on Cancel when `buttons` offer it: they are still in the
    // boxes.
    bool AskToSaveTypedEntries(const char* question, PromptButtons buttons = PromptButtons::YesNo);
    bool SaveTypedEntries();

    CPropSheetCompany* sheet_;
    CColorButton* update_;
    CColorButton* reset_;
    CColorButton* clear_;
    bool focusPlaced_ = false;
    // The record as the boxes hold it right after it was shown: typed
    // entries are whatever differs from it.
    CompanyRecord shown_;
    // The shown record belongs to a company that is being replaced: the
    // next refresh shows the new one without asking.
    bool stale_ = false;
};
