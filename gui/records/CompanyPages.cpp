#include "gui/records/CompanyPages.h"

#include "gui/records/BoxWidth.h"
#include "gui/records/RecordBoxes.h"
#include "core/entry/EntryPresets.h"
#include "core/records/KindOfPayer.h"
#include "gui/entry/RuleEdit.h"
#include "gui/records/StateComboBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

namespace {

int CheckValue(const QCheckBox* box)
{
    return box->isChecked() ? 1 : 0;
}

} // namespace

// ---- CompanyPage ----

CompanyPage::CompanyPage(QWidget* parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(24, 20, 24, 16);
    grid_->setHorizontalSpacing(16);
    grid_->setVerticalSpacing(8);
    // The boxes of all three pages start at one line.
    grid_->setColumnMinimumWidth(0, 220);
}

void CompanyPage::AddRow(const QString& label, QWidget* box)
{
    if (!label.isEmpty()) {
        auto* text = new QLabel(label, this);
        text->setBuddy(box);
        grid_->addWidget(text, row_, 0, Qt::AlignLeft | Qt::AlignVCenter);
    }
    grid_->addWidget(box, row_, 1, Qt::AlignLeft | Qt::AlignVCenter);
    ++row_;
}

void CompanyPage::AddGap()
{
    grid_->setRowMinimumHeight(row_++, 10);
}

void CompanyPage::Finish()
{
    grid_->setColumnStretch(2, 1);
    grid_->setRowStretch(row_, 1);
}

// ---- General Information ----

CPropertyPageCompanyGeneral::CPropertyPageCompanyGeneral(QWidget* parent)
    : CompanyPage(parent)
    , employerName_(NewTextBox("EmployerName", 30, this, kForbiddenEmployerName))
    , address1_(NewTextBox("Address1", 30, this, kForbiddenCommon))
    , address2_(NewTextBox("Address2", 30, this, kForbiddenCommon))
    , city_(NewTextBox("City", 20, this, kForbiddenCommon))
    , state_(new CStateComboBox(this))
    , zip_(NewMaskBox("Zip", kMaskZip, this))
    , ein_(NewMaskBox("EmployerIdentificationNumber", kMaskEin, this))
    , stateId_(NewTextBox("StateID", 15, this, kForbiddenCommon))
    , ssn_(NewMaskBox("SocialSecurityNumber", kMaskSsn, this))
{
    state_->setObjectName(QStringLiteral("State"));
    AddRow(QStringLiteral("Employer Name"), employerName_);
    AddRow(QStringLiteral("Address1"), address1_);
    AddRow(QStringLiteral("Address2"), address2_);
    AddRow(QStringLiteral("City"), city_);
    AddRow(QStringLiteral("State"), state_);
    AddRow(QStringLiteral("Zip code"), zip_);
    AddGap();
    AddRow(QStringLiteral("Employer identification number"), ein_);
    AddRow(QStringLiteral("Employer state ID"), stateId_);
    AddRow(QStringLiteral("Social security number\n(If Applicable)"), ssn_);
    Finish();
}

void CPropertyPageCompanyGeneral::Load(const CompanyRecord& company)
{
    employerName_->setText(company.EmployerName);
    address1_->setText(company.Address1);
    address2_->setText(company.Address2);
    city_->setText(company.City);
    state_->SelectState(company.State);
    zip_->setText(company.Zip);
    ein_->setText(company.EmployerIdentificationNumber);
    stateId_->setText(company.StateID);
    ssn_->setText(company.SocialSecurityNumber);
}

void CPropertyPageCompanyGeneral::Clear()
{
    for (QLineEdit* box : {static_cast<QLineEdit*>(employerName_), static_cast<QLineEdit*>(address1_),
                           static_cast<QLineEdit*>(address2_), static_cast<QLineEdit*>(city_),
                           static_cast<QLineEdit*>(zip_), static_cast<QLineEdit*>(ein_),
                           static_cast<QLineEdit*>(stateId_), static_cast<QLineEdit*>(ssn_)})
        box->clear();
    state_->setCurrentIndex(0);
}

void CPropertyPageCompanyGeneral::Save(CompanyRecord& company) const
{
    company.EmployerName = employerName_->text();
    company.Address1 = address1_->text();
    company.Address2 = address2_->text();
    company.City = city_->text();
    if (state_->currentIndex() >= 0)
        company.State = state_->SelectedState();
    company.Zip = zip_->text();
    company.EmployerIdentificationNumber = ein_->text();
    company.StateID = stateId_->text();
    company.SocialSecurityNumber = ssn_->text();
}

// ---- W3 Information ----

CPropertyPageCompanyW3::CPropertyPageCompanyW3(QWidget* parent)
    : CompanyPage(parent)
    , controlNumber_(NewTextBox("FormW3ControlNumber", 20, this, kForbiddenCommon))
    , establishmentNumber_(NewTextBox("FormW3EstablishmentNumber", 20, this, kForbiddenCommon))
    , otherEin_(NewMaskBox("FormW3OtherEIN", kMaskEin, this))
    , kindOfPayer_(new QComboBox(this))
    , thirdPartySickPayCheck_(new QCheckBox(QStringLiteral("Third-party sick pay"), this))
    , thirdPartySickPay_(NewTextBox("FormW3ThirdPartySickPay", 30, this, kForbiddenCommon))
    , incomeTaxWithheld_(new CAmountEdit(this))
    , contactName_(NewTextBox("FormW3ContactName", 30, this, kForbiddenCommon))
    , email_(NewTextBox("FormW3Email", 40, this, kForbiddenCommon))
    , telephone_(NewMaskBox("FormW3Telephone", kMaskPhone, this))
    , fax_(NewMaskBox("FormW3Fax", kMaskPhone, this))
{
    for (const char* kind : kKindOfPayerList)
        kindOfPayer_->addItem(QLatin1String(kind));
    kindOfPayer_->setObjectName(QStringLiteral("FormW3RadioKindOfPayer"));
    thirdPartySickPayCheck_->setObjectName(QStringLiteral("FormW3CheckThirdPartySickPay"));
    incomeTaxWithheld_->setObjectName(QStringLiteral("FormW3IncomeTaxWithHeld"));
    incomeTaxWithheld_->SetWholeDigits(9);
    incomeTaxWithheld_->SetDecimalPlaces(20);
    SetWidthInCharacters(incomeTaxWithheld_, 20);

    AddRow(QStringLiteral("Control number"), controlNumber_);
    AddRow(QStringLiteral("Establishment number"), establishmentNumber_);
    AddRow(QStringLiteral("Other EIN used this year"), otherEin_);
    AddRow(QStringLiteral("Kind of Payer"), kindOfPayer_);
    AddGap();
    AddRow(QString(), thirdPartySickPayCheck_);
    AddRow(QString(), thirdPartySickPay_);
    AddRow(QStringLiteral("Income tax withheld by  payer of \nthird-party sick pay"), incomeTaxWithheld_);
    AddGap();
    AddRow(QStringLiteral("Contact person"), contactName_);
    AddRow(QStringLiteral("E-mail address"), email_);
    AddRow(QStringLiteral("Telephone number"), telephone_);
    AddRow(QStringLiteral("Fax number"), fax_);
    Finish();
}

void CPropertyPageCompanyW3::Load(const CompanyRecord& company)
{
    controlNumber_->setText(company.FormW3ControlNumber);
    establishmentNumber_->setText(company.FormW3EstablishmentNumber);
    otherEin_->setText(company.FormW3OtherEIN);
    const int kind = company.FormW3RadioKindOfPayer;
    kindOfPayer_->setCurrentIndex(kind >= 0 && kind < kindOfPayer_->count() ? kind : -1);
    thirdPartySickPayCheck_->setChecked(company.FormW3CheckThirdPartySickPay == 1);
    thirdPartySickPay_->setText(company.FormW3ThirdPartySickPay);
    incomeTaxWithheld_->setText(company.FormW3IncomeTaxWithHeld);
    contactName_->setText(company.FormW3ContactName);
    email_->setText(company.FormW3Email);
    telephone_->setText(company.FormW3Telephone);
    fax_->setText(company.FormW3Fax);
}

void CPropertyPageCompanyW3::Clear()
{
    for (QLineEdit* box : {static_cast<QLineEdit*>(controlNumber_), static_cast<QLineEdit*>(establishmentNumber_),
                           static_cast<QLineEdit*>(otherEin_), static_cast<QLineEdit*>(thirdPartySickPay_),
                           static_cast<QLineEdit*>(incomeTaxWithheld_), static_cast<QLineEdit*>(contactName_),
                           static_cast<QLineEdit*>(email_), static_cast<QLineEdit*>(telephone_),
                           static_cast<QLineEdit*>(fax_)})
        box->clear();
    kindOfPayer_->setCurrentIndex(0);
    thirdPartySickPayCheck_->setChecked(false);
}

void CPropertyPageCompanyW3::Save(CompanyRecord& company) const
{
    company.FormW3ControlNumber = controlNumber_->text();
    company.FormW3EstablishmentNumber = establishmentNumber_->text();
    company.FormW3OtherEIN = otherEin_->text();
    if (kindOfPayer_->currentIndex() >= 0)
        company.FormW3RadioKindOfPayer = kindOfPayer_->currentIndex();
    company.FormW3CheckThirdPartySickPay = CheckValue(thirdPartySickPayCheck_);
    company.FormW3ThirdPartySickPay = thirdPartySickPay_->text();
    company.FormW3IncomeTaxWithHeld = incomeTaxWithheld_->text();
    company.FormW3ContactName = contactName_->text();
    company.FormW3Email = email_->text();
    company.FormW3Telephone = telephone_->text();
    company.FormW3Fax = fax_->text();
}

// ---- 1096 Information ----

CPropertyPageCompany1096::CPropertyPageCompany1096(QWidget* parent)
    : CompanyPage(parent)
    , contactName_(NewTextBox("Form1096ContactName", 30, this, kForbiddenCommon))
    , email_(NewTextBox("Form1096Email", 40, this, kForbiddenCommon))
    , telephone_(NewMaskBox("Form1096Telephone", kMaskPhone, this))
    , fax_(NewMaskBox("Form1096Fax", kMaskPhone, this))
    , finalReturn_(new QCheckBox(QStringLiteral("Is this your final return"), this))
{
    finalReturn_->setObjectName(QStringLiteral("Form1096CheckIsThisYourFinalReturn"));
    AddRow(QStringLiteral("Name of person to contact"), contactName_);
    AddRow(QStringLiteral("E-mail address"), email_);
    AddRow(QStringLiteral("Telephone number"), telephone_);
    AddRow(QStringLiteral("Fax number"), fax_);
    AddGap();
    AddRow(QString(), finalReturn_);
    Finish();
}

void CPropertyPageCompany1096::Load(const CompanyRecord& company)
{
    contactName_->setText(company.Form1096ContactName);
    email_->setText(company.Form1096Email);
    telephone_->setText(company.Form1096Telephone);
    fax_->setText(company.Form1096Fax);
    finalReturn_->setChecked(company.Form1096CheckIsThisYourFinalReturn == 1);
}

void CPropertyPageCompany1096::Clear()
{
    for (QLineEdit* box : {static_cast<QLineEdit*>(contactName_), static_cast<QLineEdit*>(email_),
                           static_cast<QLineEdit*>(telephone_), static_cast<QLineEdit*>(fax_)})
        box->clear();
    finalReturn_->setChecked(false);
}

void CPropertyPageCompany1096::Save(CompanyRecord& company) const
{
    company.Form1096ContactName = contactName_->text();
    company.Form1096Email = email_->text();
    company.Form1096Telephone = telephone_->text();
    company.Form1096Fax = fax_->text();
    company.Form1096CheckIsThisYourFinalReturn = CheckValue(finalReturn_);
}
