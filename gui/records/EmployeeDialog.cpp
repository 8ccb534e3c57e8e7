#include "gui/records/EmployeeDialog.h"

#include "core/document/GlobalDoc.h"
#include "core/prompt/Prompt.h"
#include "gui/records/ConfirmRecord.h"
#include "core/records/RecordChecks.h"
#include "gui/records/RecordBoxes.h"
#include "gui/records/RecordDialogLayout.h"
#include "core/store/RecordLookup.h"
#include "gui/entry/RuleEdit.h"
#include "gui/records/StateComboBox.h"

#include <QHBoxLayout>

CEmployeeDialog::CEmployeeDialog(CGlobalDoc& document, int index, int id, QWidget* parent)
    : QDialog(parent)
    , document_(document)
    , index_(index)
    , id_(id)
    , ssn_(NewMaskBox("SocialSecurityNumber", kMaskSsn, this))
    , boxes_(this)
{
    setWindowTitle(QLatin1String(kCaption));

    auto* number = new QHBoxLayout;
    AddCaptionedBox(number, QStringLiteral("Employee's social security number"), ssn_);
    QList<QLayout*> rows{number};
    for (QHBoxLayout* row : boxes_.Rows(QStringLiteral("Employee's first name and initial")))
        rows << row;
    FinishRecordDialog(this, rows);

    const int stored = FindRecordIndex(document_.Employees(), &EmployeeRecord::EmployeeUniqueID, index_, id_);
    if (index_ >= 0 && stored >= 0) {
        index_ = stored;
        const EmployeeRecord& record = document_.Employees()[size_t(stored)];
        setWindowTitle(QLatin1String(kModifyCaption) + record.FirstName.Text());
        Show(record);
    }
    ssn_->setFocus(Qt::OtherFocusReason);
}

void CEmployeeDialog::Show(const EmployeeRecord& record)
{
    shown_ = record;
    StoredText::Show(ssn_, record.SocialSecurityNumber);
    boxes_.Show(record);
}

EmployeeRecord CEmployeeDialog::RecordFromBoxes() const
{
    // What the user did not change stays as stored.
    EmployeeRecord record = shown_;
    record.EmployeeUniqueID = EmployeeRecord().EmployeeUniqueID;
    record.SocialSecurityNumber = StoredText::Kept(ssn_, record.SocialSecurityNumber);
    boxes_.Read(record);
    return record;
}

void CEmployeeDialog::accept()
{
    const QString refusal = ConfirmRecord(document_, index_, id_, RecordFromBoxes(), &CompanyEditor::AddEmployee,
                                          &CompanyEditor::ModifyEmployee);
    if (refusal.isEmpty())
        QDialog::accept();
    else
        FocusRefusedBox(refusal);
}

void CEmployeeDialog::FocusRefusedBox(const QString& refusal)
{
    QWidget* box = ssn_;
    if (refusal == QLatin1String(EmployeeMessages::kFirstNameEmpty))
        box = boxes_.firstName;
    else if (refusal == QLatin1String(EmployeeMessages::kLastNameEmpty))
        box = boxes_.lastName;
    box->setFocus(Qt::OtherFocusReason);
}
