#include "gui/records/ContractorDialog.h"

#include "core/document/GlobalDoc.h"
#include "core/prompt/Prompt.h"
#include "gui/records/ConfirmRecord.h"
#include "core/records/RecordChecks.h"
#include "gui/records/RecordBoxes.h"
#include "gui/records/RecordDialogLayout.h"
#include "core/store/RecordLookup.h"
#include "gui/entry/RuleEdit.h"
#include "gui/records/StateComboBox.h"

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
    , boxes_(this)
    , account_(NewMaskBox("AccountNumber", kMaskAccount, this))
    , secondTin_(new QCheckBox(QStringLiteral("2nd TIN not."), this))
{
    setWindowTitle(QLatin1String(kCaption));
    secondTin_->setObjectName(QStringLiteral("SecondTIN"));

    auto* number = new QHBoxLayout;
    AddCaptionedBox(number, QStringLiteral("Contractor's identification number"), idNumber_);
    auto* account = new QHBoxLayout;
    AddCaptionedBox(account, QStringLiteral("Account number (optional)"), account_);
    AddCaptionedBox(account, QString(), secondTin_);
    QList<QLayout*> rows{number};
    for (QHBoxLayout* row : boxes_.Rows(QStringLiteral("Contractor's first name and initial")))
        rows << row;
    rows << account;
    FinishRecordDialog(this, rows);

    const int stored = FindRecordIndex(document_.Contractors(), &ContractorRecord::ContractorUniqueID, index_, id_);
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
    shown_ = record;
    StoredText::Show(idNumber_, record.IdentificationNumber);
    boxes_.Show(record);
    StoredText::Show(account_, record.AccountNumber);
    secondTin_->setChecked(record.SecondTIN != 0);
}

ContractorRecord CContractorDialog::RecordFromBoxes() const
{
    // What the user did not change stays as stored.
    ContractorRecord record = shown_;
    record.ContractorUniqueID = ContractorRecord().ContractorUniqueID;
    record.IdentificationNumber = StoredText::Kept(idNumber_, record.IdentificationNumber);
    boxes_.Read(record);
    record.AccountNumber = StoredText::Kept(account_, record.AccountNumber);
    if (secondTin_->isChecked() != (record.SecondTIN != 0))
        record.SecondTIN = secondTin_->isChecked() ? 1 : 0;
    return record;
}

void CContractorDialog::accept()
{
    const QString refusal = ConfirmRecord(document_, index_, id_, RecordFromBoxes(), &CompanyEditor::AddContractor,
                                          &CompanyEditor::ModifyContractor);
    if (refusal.isEmpty())
        QDialog::accept();
    else
        FocusRefusedBox(refusal);
}

void CContractorDialog::FocusRefusedBox(const QString& refusal)
{
    using namespace ContractorMessages;
    QWidget* box = idNumber_;
    if (refusal == QLatin1String(kFirstNameEmpty))
        box = boxes_.firstName;
    else if (refusal == QLatin1String(kLastNameEmpty))
        box = boxes_.lastName;
    else if (refusal == QLatin1String(kAddress1Empty))
        box = boxes_.address1;
    else if (refusal == QLatin1String(kCityEmpty))
        box = boxes_.city;
    else if (refusal == QLatin1String(ContractorMessages::kStateNotChosen))
        box = boxes_.state;
    else if (refusal == QLatin1String(kZipEmpty))
        box = boxes_.zip;
    box->setFocus(Qt::OtherFocusReason);
}
