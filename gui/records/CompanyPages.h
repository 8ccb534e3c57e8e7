#pragma once

#include "core/store/Records.h"

#include <QWidget>

class CAmountEdit;
class CCharFilterEdit;
class CDigitMaskEdit;
class CStateComboBox;
class QCheckBox;
class QComboBox;
class QGridLayout;

// The three pages of the company setup sheet. Each page shows its part of
// the company record in rule-checked boxes: Load fills them from a record,
// Clear empties them, Save copies them back (each field keeps what its
// record field holds). The boxes are named after their record fields.

// A white page whose fields are laid out as rows of label and box.
class CompanyPage : public QWidget {
    Q_OBJECT
public:
    explicit CompanyPage(QWidget* parent = nullptr);

    virtual void Load(const CompanyRecord& company) = 0;
    virtual void Clear() = 0;
    virtual void Save(CompanyRecord& company) const = 0;

protected:
    // A row of the page: the label (may be empty) and the box.
    void AddRow(const QString& label, QWidget* box);
    // A gap between groups of rows.
    void AddGap();
    // Ends the rows: what is left of the page stays empty.
    void Finish();

    QGridLayout* grid_ = nullptr;
    int row_ = 0;
};

// "General Information": the employer's name, address and numbers.
class CPropertyPageCompanyGeneral : public CompanyPage {
    Q_OBJECT
public:
    explicit CPropertyPageCompanyGeneral(QWidget* parent = nullptr);

    void Load(const CompanyRecord& company) override;
    void Clear() override;
    void Save(CompanyRecord& company) const override;

    CCharFilterEdit* EmployerNameBox() const { return employerName_; }

private:
    CCharFilterEdit* employerName_;
    CCharFilterEdit* address1_;
    CCharFilterEdit* address2_;
    CCharFilterEdit* city_;
    CStateComboBox* state_;
    CDigitMaskEdit* zip_;
    CDigitMaskEdit* ein_;
    CCharFilterEdit* stateId_;
    CDigitMaskEdit* ssn_;
};

// "W3 Information": what the W-3 transmittal needs besides the totals.
class CPropertyPageCompanyW3 : public CompanyPage {
    Q_OBJECT
public:
    explicit CPropertyPageCompanyW3(QWidget* parent = nullptr);

    void Load(const CompanyRecord& company) override;
    void Clear() override;
    void Save(CompanyRecord& company) const override;

private:
    CCharFilterEdit* controlNumber_;
    CCharFilterEdit* establishmentNumber_;
    CDigitMaskEdit* otherEin_;
    QComboBox* kindOfPayer_;
    QCheckBox* thirdPartySickPayCheck_;
    CCharFilterEdit* thirdPartySickPay_;
    CAmountEdit* incomeTaxWithheld_;
    CCharFilterEdit* contactName_;
    CCharFilterEdit* email_;
    CDigitMaskEdit* telephone_;
    CDigitMaskEdit* fax_;
};

// "1096 Information": the contact of the 1096 transmittal.
class CPropertyPageCompany1096 : public CompanyPage {
    Q_OBJECT
public:
    explicit CPropertyPageCompany1096(QWidget* parent = nullptr);

    void Load(const CompanyRecord& company) override;
    void Clear() override;
    void Save(CompanyRecord& company) const override;

private:
    CCharFilterEdit* contactName_;
    CCharFilterEdit* email_;
    CDigitMaskEdit* telephone_;
    CDigitMaskEdit* fax_;
    QCheckBox* finalReturn_;
};
