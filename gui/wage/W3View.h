#pragma once

#include "core/print/WagePrintOptions.h"
#include "core/wage/W3Totals.h"
#include "gui/printing/FormPrinting.h"
#include "gui/screens/FormView.h"

#include <QStringList>

#include <vector>

class CColorButton;
class QCheckBox;
class QLineEdit;

// The company's W-3, laid out like the paper form and read-only: the
// employer, contact and kind-of-payer data from the company, box c the
// number of W-2s, and every money box the sum of that box over all W-2s,
// recomputed at each refresh. "Print W3" prints it.
class CW3View : public CFormView {
    Q_OBJECT

public:
    // Shows the W-2s' totals (of their employees) and the employer.
    bool Shows(RecordKind kind) const override
    {
        return kind == RecordKind::Employee || kind == RecordKind::W2 || kind == RecordKind::Company;
    }
    explicit CW3View(CGlobalDoc& document, QWidget* parent = nullptr);

    // A box by its name (see BoxNames), or nullptr.
    QLineEdit* Box(const char* name) const;
    static const QStringList& BoxNames();
    // The kind-of-payer check box of index `index` (kKindOfPayerList).
    QCheckBox* KindOfPayerBox(int index) const;
    CColorButton* PrintButton() const { return print_; }

    PrintJobMaker JobMaker(const PrintW3Options& options) const;

    void RefreshFromDocument(CGlobalDoc& document) override;
    void OnViewShown() override;
    QAbstractButton* PrintCommand() const override;

public slots:
    void OnPrint();

private:
    QWidget* BuildForm();
    void ShowKindOfPayer(int index);
    void ShowTexts(const CompanyRecord& company, const W3Totals& totals);

    CColorButton* print_;
    CColorButton* check_;
    QWidget* form_;
    std::vector<QLineEdit*> boxes_;
    std::vector<QCheckBox*> kinds_;
    bool kindBound_ = false;
};
