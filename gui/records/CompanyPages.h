#pragma once

#include "core/records/CompanyBoxes.h"
#include "core/store/Records.h"

#include <QWidget>

#include <utility>
#include <vector>

class CCharFilterEdit;
class QGridLayout;

// The three pages of the company setup sheet. Each page shows its part of
// the company record in rule-checked boxes, built from the company's box
// table (CompanyBoxes) in its order: Load fills them from a record, Clear
// empties them, Save copies them back (each field keeps what its record
// field holds). The boxes are named after their record fields.

// A white page whose fields are laid out as rows of label and box.
class CompanyPage : public QWidget {
    Q_OBJECT
public:
    CompanyPage(CompanyPageKind kind, QWidget* parent = nullptr);

    // Shows the company's values; each box keeps its stored value until it
    // is changed (see StoredText).
    void Load(const CompanyRecord& company);
    // Every text box empty, the first state and kind of payer, the check
    // boxes clear: all of it is saved so.
    void Clear();
    // Into `company`, which holds what Load showed: the boxes changed since.
    void Save(CompanyRecord& company) const;

    // The box of the record field `name`, or nullptr.
    QWidget* Box(const char* name) const;

private:
    // A row of the page: the label (may be empty) and the box.
    void AddRow(const QString& label, QWidget* box);
    // A gap between groups of rows.
    void AddGap();

    QGridLayout* grid_ = nullptr;
    int row_ = 0;
    std::vector<std::pair<const CompanyBox*, QWidget*>> boxes_;
    bool cleared_ = false; // Clear since the last Load
};

// "General Information": the employer's name, address and numbers.
class CPropertyPageCompanyGeneral : public CompanyPage {
    Q_OBJECT
public:
    explicit CPropertyPageCompanyGeneral(QWidget* parent = nullptr);

    CCharFilterEdit* EmployerNameBox() const;
};

// "W3 Information": what the W-3 transmittal needs besides the totals.
class CPropertyPageCompanyW3 : public CompanyPage {
    Q_OBJECT
public:
    explicit CPropertyPageCompanyW3(QWidget* parent = nullptr);
};

// "1096 Information": the contact of the 1096 transmittal.
class CPropertyPageCompany1096 : public CompanyPage {
    Q_OBJECT
public:
    explicit CPropertyPageCompany1096(QWidget* parent = nullptr);
};
