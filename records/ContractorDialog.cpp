#include "records/ContractorDialog.h"

#include "app/GlobalDoc.h"
#include "app/Prompt.h"
#include "records/ContractorRecords.h"
#include "records/RecordBoxes.h"
#include "records/RecordDialogLayout.h"
#include "records/RecordLookup.h"
#include "records/RuleEdit.h"
#include "records/StateComboBox.h"

#include <QCheckBox>
#include <QHBoxLayout>

CContractorDialog::CContractorDialog(CGlobalDoc& document, int index, int id, QWidget* parent)
    : QDialog(parent)
    , document_(document)
    , index_(index)
    , id_(id)
    // Either a social security number or an employer identification
    // number, so no mask: 11 characters take both shapes.
    , idNumber_(NewTextBox("IdentificationNumber", 11, this))
    , firstName_(NewTextBox("FirstName", 20, this))
    , middleName_(NewTextBox("MiddleName", 2, this))
    , lastName_(NewTextBox("LastName", 20, this))
    , address1_(NewTextBox("Address1", 30, this))
    , address2_(NewTextBox("Address2", 30, this))
    , city_(NewTextBox("City", 20, this))
    , state_(new CStateComboBox(this))
    , zip_(NewMaskBox("Zip", kMaskZip, this))
    , account_(NewMaskBox("AccountNumber", kMaskAccount, this))
    , secondTin_(new QCheckBox(QStringLiteral("2nd TIN not."), this))
{
    setWindowTitle(QLatin1String(kCaption));
    state_->setObjectName(QStringLiteral("State"));
    secondTin_->setObjectName(QStringLiteral("SecondTIN"));

    auto* number = new QHBoxLayout;
    AddCaptionedBox(number, QStringLiteral("Contractor's identification number"), idNumber_);
    auto* name = new QHBoxLayout;
    AddCaptionedBoxes(name, QStringLiteral("Contractor's first name and initial"), {firstName_, middleName_});
    AddCaptionedBox(name, QStringLiteral("Last name"), lastName_);
    auto* street1 = new QHBoxLayout;
    AddCaptionedBox(street1, QStringLiteral("Address1"), address1_);
    auto* street2 = new QHBoxLayout;
    AddCaptionedBox(street2, QStringLiteral("Address2"), address2_);
    auto* place = new QHBoxLayout;
    AddCaptionedBox(place, QStringLiteral("City"), city_);
    AddCaptionedBox(place, QStringLiteral("State"), state_);
    AddCaptionedBox(place, QStringLiteral("Zip code"), zip_);
    auto* account = new QHBoxLayout;
    AddCaptionedBox(account, QStringLiteral("Account number (optional)"), account_);
    AddCaptionedBox(account, QString(), secondTin_);
    FinishRecordDialog(this, {number, name, street1, street2, place, account});

    const int stored =
        FindRecordIndex(document_.Contractors(), &ContractorRecord::ContractorUniqueID, index_, id_);
    if (index_ >= 0 && stored >= 0) {
        index_ = stored;
        const ContractorRecord& record = document_.Contractors()[size_t(stored)];
        setWindowTitle(QLatin1String(kModifyCaption) + record.FirstName.Text());
        Show(record);
    }
    idNumber_->setFocus(Qt::OtherFocusReason);
}

void CContractorDialog::Show(const ContractorRecord& record)
{
    idNumber_->setText(record.IdentificationNumber);
    firstName_->setText(record.FirstName);
    middleName_->setText(record.MiddleName);
    lastName_->setText(record.LastName);
    address1_->setText(record.Address1);
    address2_->setText(record.Address2);
    city_->setText(record.City);
    state_->SelectState(record.State);
    zip_->setText(record.Zip);
    account_->setText(record.AccountNumber);
    secondTin_->setChecked(record.SecondTIN != 0);
}

ContractorRecord CContractorDialog::RecordFromBoxes() const
{
    ContractorRecord record;
    record.IdentificationNumber = idNumber_->text();
    record.FirstName = firstName_->text();
    record.MiddleName = middleName_->text();
    record.LastName = lastName_->text();
    record.Address1 = address1_->text();
    record.Address2 = address2_->text();
    record.City = city_->text();
    record.State = state_->SelectedState();
    record.Zip = zip_->text();
    record.AccountNumber = account_->text();
    record.SecondTIN = secondTin_->isChecked() ? 1 : 0;
    return record;
}

void CContractorDialog::accept()
{
    ContractorRecords records(document_);
    if (index_ < 0) {
        const ContractorRecords::AddResult result = records.Add(RecordFromBoxes());
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

void CContractorDialog::FocusRefusedBox(const QString& refusal)
{
    using namespace ContractorMessages;
    QWidget* box = idNumber_;
    if (refusal == QLatin1String(kFirstNameEmpty))
        box = firstName_;
    else if (refusal == QLatin1String(kLastNameEmpty))
        box = lastName_;
    else if (refusal == QLatin1String(kAddress1Empty))
        box = address1_;
    else if (refusal == QLatin1String(kCityEmpty))
        box = city_;
    else if (refusal == QLatin1String(kNoState))
        box = state_;
    else if (refusal == QLatin1String(kZipEmpty))
        box = zip_;
    box->setFocus(Qt::OtherFocusReason);
}
