#pragma once

#include "core/contractor/Form1096Totals.h"
#include "core/print/ContractorPrintOptions.h"
#include "gui/printing/FormPrinting.h"
#include "gui/screens/FormView.h"

#include <QStringList>

#include <vector>

class CColorButton;
class QCheckBox;
class QLineEdit;

// The company's 1096, laid out like the paper form and read-only: the
// filer and contact data from the company, box 3 the number of 1099-MISC
// forms, boxes 4 and 5 the sums over them, recomputed at each refresh;
// the final-return choice of the company setup, and the 1099-MISC as the
// type of form filed. "Print" prints it.
class C1096View : public CFormView {
    Q_OBJECT

public:
    // Shows the 1099-MISCs' totals (of their contractors) and the payer.
    bool Shows(RecordKind kind) const override
    {
        return kind == RecordKind::Contractor || kind == RecordKind::Form1099 || kind == RecordKind::Company;
    }
    explicit C1096View(CGlobalDoc& document, QWidget* parent = nullptr);

    // A box by its name (see BoxNames), or nullptr.
    QLineEdit* Box(const char* name) const;
    static const QStringList& BoxNames();
    QCheckBox* FinalReturnBox() const { return finalReturn_; }
    // The type-of-form check box of `kind` ("1099-MISC"), or nullptr.
    QCheckBox* FormTypeBox(const QString& kind) const;
    CColorButton* PrintButton() const { return print_; }

    PrintJobMaker JobMaker(const Print1096Options& options) const;

    void RefreshFromDocument(CGlobalDoc& document) override;
    void OnViewShown() override;
    QAbstractButton* PrintCommand() const override;

public slots:
    void OnPrint();

private:
    void BuildForm();
    void ShowTexts(const CompanyRecord& company, const Form1096Totals& totals);

    CColorButton* print_;
    CColorButton* check_;
    QWidget* form_;
    std::vector<QLineEdit*> boxes_;
    QCheckBox* finalReturn_;
    std::vector<QCheckBox*> formTypes_;
};
