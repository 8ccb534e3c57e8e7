#pragma once

#include "core/print/WagePrintOptions.h"
#include "core/records/FormCursor.h"
#include "core/store/Records.h"
#include "core/wage/W2Boxes.h"
#include "gui/screens/FormBoxSet.h"
#include "gui/screens/FormEntryView.h"
#include "gui/printing/FormPrinting.h"

#include <QStringList>

class CFormCell;
class CFormSheet;

// The W-2 of each employee, laid out like the paper form: the employer's
// boxes a to c and the employee's boxes d to f (and the first state line
// of box 15) come from the company and the employee and are shown
// disabled; the user fills boxes 1 to 20. Leaving an amount box shows it
// with two decimals; boxes 3, 4 and 5 also keep to the year's caps and
// fill boxes 4 and 6. Saving writes the W-2 at once, and the W-3 follows.
class CW2View : public CFormEntryView {
    Q_OBJECT

public:
    // Shows the employees, their W-2s and the employer.
    bool Shows(RecordKind kind) const override
    {
        return kind == RecordKind::Employee || kind == RecordKind::W2 || kind == RecordKind::Company;
    }
    explicit CW2View(CGlobalDoc& document, QWidget* parent = nullptr);

    // Any box of the form by its field name (the shown boxes: see
    // ShownBoxNames), or nullptr.
    QLineEdit* Box(const char* name) const;
    QCheckBox* CheckBox(const char* name) const;
    // The boxes the program fills, in reading order.
    static const QStringList& ShownBoxNames();
    const FormBoxSet<W2Box>& EntryBoxes() const { return boxes_; }

    // The print job the screen makes for `options` (current employee or
    // all, in the employee list's order).
    PrintJobMaker JobMaker(const PrintW2Options& options) const;

protected:
    void FillOwnerRows(RecordListOrder& order) const override;
    void ShowRecords(int ownerIndex, int formIndex) override;
    void EmptyAllBoxes() override;
    void ClearFormBoxes() override;
    SaveOutcome SaveBoxes(int ownerId) override;
    void PrintForms() override;
    void BoxLeft(QLineEdit* box, bool edited) override;

private:
    QWidget* BuildForm();
    void ShowCompanyAndEmployee(const CompanyRecord& company, const EmployeeRecord* employee);
    // Says why nothing can be printed, if so.
    bool CanPrint(const PrintW2Options& options) const;

    OwnerFormLists<EmployeeRecord, W2Record> lists_;
    QWidget* form_;
    FormBoxSet<W2Box> boxes_;
    std::vector<QLineEdit*> shown_;
};
