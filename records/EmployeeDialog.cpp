#include "records/EmployeeDialog.h"

#include "app/GlobalDoc.h"
#include "app/Prompt.h"
#include "records/EmployeeRecords.h"
#include "records/RecordBoxes.h"
#include "records/RecordDialogLayout.h"
#include "records/RecordLookup.h"
#include "records/RuleEdit.h"
#include "records/StateComboBox.h"

#include <QHBoxLayout>

CEmployeeDialog::CEmployeeDialog(CGlobalDoc& document, int index, int id, QWidget* parent)
    : QDialog(parent)
    , document_(document)
    , index_(index)
    , id_(id)
    , ssn_(NewMaskBox("SocialSecurityNumber", kMaskSsn, this))
    , firstName_(NewTextBox("FirstName", 20, this))
    , middleName_(NewTextBox("MiddleName", 2, this))
    , lastName_(NewTextBox("LastName", 20, this))
    , address1_(NewTextBox("Address1", 30, this))
    , address2_(NewTextBox("Address2", 30, this))
    , city_(NewTextBox("City", 20, this))
    , state_(new CStateComboBox(this))
    , zip_(NewMaskBox("Zip", kMaskZip, this))
{
    setWindowTitle(QLatin1String(kCaption));
    state_->setObjectName(QStringLiteral("State"));

    auto* number = new QHBoxLayout;
    AddCaptionedBox(number, QStringLiteral("Employee's social security number"), ssn_);
    auto* name = new QHBoxLayout;
    AddCaptionedBoxes(name, QStringLiteral("Employee's first name and initial"), {firstName_, middleName_});
    AddCaptionedBox(name, QStringLiteral("Last name"), lastName_);
    auto* street1 = new QHBoxLayout;
    AddCaptionedBox(street1, QStringLiteral("Address1"), address1_);
    auto* street2 = new QHBoxLayout;
    AddCaptionedBox(street2, QStringLiteral("Address2"), address2_);
    auto* place = new QHBoxLayout;
    AddCaptionedBox(place, QStringLiteral("City"), city_);
    AddCaptionedBox(place, QStringLiteral("State"), state_);
    AddCaptionedBox(place, QStringLiteral("Zip code"), zip_);
    FinishRecordDialog(this, {number, name, street1, street2, place});

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
    ssn_->setText(record.SocialSecurityNumber);
    firstName_->setText(record.FirstName);
    middleName_->setText(record.MiddleName);
    lastName_->setText(record.LastName);
    address1_->setText(record.Address1);
    address2_->setText(record.Address2);
    city_->setText(record.City);
    state_->SelectState(record.State);
    zip_->setText(record.Zip);
}

EmployeeRecord CEmployeeDialog::RecordFromBoxes() const
{
    EmployeeRecord record;
    record.SocialSecurityNumber = ssn_->text();
    record.FirstName = firstName_->text();
    record.MiddleName = middleName_->text();
    record.LastName = lastName_->text();
    record.Address1 = address1_->text();
    record.Address2 = address2_->text();
    record.City = city_->text();
    record.State = state_->SelectedState();
    record.Zip = zip_->text();
    return record;
}

void CEmployeeDialog::accept()
{
    EmployeeRecords records(document_);
    if (index_ < 0) {
        const EmployeeRecords::AddResult result = records.Add(RecordFromBoxes());
        if (!result.Added())
            AppPrompt().Tell(result.refusal, PromptIcon::Exclamation);
        // Taken or refused, every screen shows the records again.
        document_.RefreshViews();
        if (result.Added())
            QDialog::accept();
        else
            FocusRefusedBox(result.refusal);
        return;
    }
    if (records.Modify(index_, id_, RecordFromBoxes()))
        document_.RefreshViews();
    QDialog::accept();
}

void CEmployeeDialog::FocusRefusedBox(const QString& refusal)
{
    QWidget* box = ssn_;
    if (refusal == QLatin1String(EmployeeMessages::kFirstNameEmpty))
        box = firstName_;
    else if (refusal == QLatin1String(EmployeeMessages::kLastNameEmpty))
        box = lastName_;
    box->setFocus(Qt::OtherFocusReason);
}
