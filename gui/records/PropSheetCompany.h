#pragma once

#include "core/store/Records.h"

#include <QTabWidget>

#include <array>

class CompanyPage;
class CPropertyPageCompany1096;
class CPropertyPageCompanyGeneral;
class CPropertyPageCompanyW3;

// The company setup sheet ("Comapany Setup"): the pages "General
// Information", "W3 Information" and "1096 Information" over one company
// record. Load and Clear end on the first page; Save keeps the page shown.
class CPropSheetCompany : public QTabWidget {
    Q_OBJECT
public:
    explicit CPropSheetCompany(QWidget* parent = nullptr);

    static constexpr char kCaption[] = "Comapany Setup";

    CPropertyPageCompanyGeneral& GeneralPage() const { return *general_; }
    CPropertyPageCompanyW3& W3Page() const { return *w3_; }
    CPropertyPageCompany1096& Page1096() const { return *page1096_; }

    // Every box from the record; the General Information page is shown.
    void Load(const CompanyRecord& company);
    // Every box empty, the first state and the first kind of payer, both
    // check boxes cleared; the General Information page is shown.
    void Clear();
    // Every box into the record, each cut to its field.
    void Save(CompanyRecord& company) const;

    // Shows the page `step` pages on (back when negative), round from the
    // last to the first as Ctrl+Tab goes. A box of the page shown before
    // hands the keyboard to the new page.
    void TurnPage(int step);

    // The text of the Employer Name box.
    QString EmployerName() const;

private:
    std::array<CompanyPage*, 3> Pages() const;

    CPropertyPageCompanyGeneral* general_;
    CPropertyPageCompanyW3* w3_;
    CPropertyPageCompany1096* page1096_;
};
