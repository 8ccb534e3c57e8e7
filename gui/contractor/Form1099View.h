#pragma once

#include "core/print/ContractorPrintOptions.h"
#include "core/records/FormCursor.h"
#include "core/store/Records.h"
#include "core/contractor/Form1099Boxes.h"
#include "gui/screens/FormBoxSet.h"
#include "gui/screens/FormEntryView.h"
#include "gui/printing/FormPrinting.h"

#include <QStringList>

// The 1099-MISC of each contractor, laid out like the paper form: the
// payer's block (from the company) and the recipient's block (from the
// contractor) are shown disabled on the left; the user fills boxes 1 to 18
// on the right and below. Leaving an amount box shows it with two
// decimals. Saving writes the 1099-MISC at once, and the 1096 follows.
class C1099View : public CFormEntryView {
    Q_OBJECT

public:
    // Shows the contractors, their 1099-MISCs and the payer.
    bool Shows(RecordKind kind) const override
    {
        return kind == RecordKind::Contractor || kind == RecordKind::Form1099 || kind == RecordKind::Company;
    }
    explicit C1099View(CGlobalDoc& document, QWidget* parent = nullptr);

    // Any box of the form by its field name (the shown boxes: see
    // ShownBoxNames), or nullptr.
    QLineEdit* Box(const char* name) const;
    // Box 9, or the recipient's "2nd TIN not." ("SecondTIN").
    QCheckBox* CheckBox(const char* name) const;
    // The boxes the program fills, in reading order.
    static const QStringList& ShownBoxNames();
    const FormBoxSet<Form1099Box>& EntryBoxes() const { return boxes_; }

    // The print job the screen makes for `options` (current contractor or
    // all, in the contractor list's order).
    PrintJobMaker JobMaker(const Print1099Options& options) const;

protected:
    void FillOwnerRows(RecordListOrder& order) const override;
    void ShowRecords(int ownerIndex, int formIndex) override;
    void EmptyAllBoxes() override;
    void ClearFormBoxes() override;
    SaveOutcome SaveBoxes(int ownerId) override;
    void PrintForms() override;
    void BoxLeft(QLineEdit* box, bool edited) override;

private:
    void BuildForm();
    void ShowCompanyAndContractor(const CompanyRecord& company, const ContractorRecord* contractor);
    // Says why nothing can be printed, if there is a reason to.
    bool CanPrint(const Print1099Options& options) const;

    OwnerFormLists<ContractorRecord, Form1099Record> lists_;
    QWidget* form_;
    FormBoxSet<Form1099Box> boxes_;
    std::vector<QLineEdit*> shown_;
    QCheckBox* secondTin_;
};
