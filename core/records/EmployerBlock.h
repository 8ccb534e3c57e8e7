#pragma once

#include "core/store/Records.h"

#include <QString>
#include <QStringList>

#include <vector>

// The company's boxes as the four forms show them: the employer's block of
// the W-2 and the W-3, the payer's of the 1099-MISC, the filer's of the
// 1096, and the transmittals' own company data. One row per company box
// says, for each form, the box's name and label on that form's screen and
// where and how it prints. The screens build and fill their company boxes
// from it, and the print jobs print them from it.

enum class CompanyForm { W2, W3, Form1099, Form1096 };

// How a company box prints (and, for a federal ID, shows).
enum class EmployerPrint {
    Text,         // its text
    Amount,       // an amount, left off when zero
    CityStateZip, // the "City, ST 12345" line of the company's address
    Telephone,    // the area code at its point, the rest of the number at the next
    FederalId,    // the EIN, or the SSN when the EIN is empty
    Mark,         // a check box: when checked, the mark of the four points from its point
    KindOfPayer,  // the mark of the chosen kind: four points from its point on, four for each kind
};

// A company box on one form.
struct EmployerPlace {
    const char* name = nullptr; // the screen box's object name; nullptr: the screen doesn't show it as text
    // Its accessible name; nullptr: the label of the form's own box of that
    // name (the W-2's first state line, a box of the W-2 record shown from
    // the company).
    const char* label = nullptr;
    int point = -1; // its point in the form's point table; -1: not printed from here
    EmployerPrint print = EmployerPrint::Text;

    bool Shown() const { return name != nullptr; }
    bool Printed() const { return point >= 0; }
};

struct EmployerBox {
    const char* company; // the company box (its name in CompanyBoxes)
    EmployerPlace w2;
    EmployerPlace w3;
    EmployerPlace form1099;
    EmployerPlace form1096;

    const EmployerPlace& On(CompanyForm form) const;
    // The company box's text, as the screen of `form` shows it.
    QString Text(const CompanyRecord& company, CompanyForm form) const;
    // A check box's or a choice's value.
    int Number(const CompanyRecord& company) const;
};

// Every company box that one of the four forms shows or prints, in the
// reading order of the forms.
const std::vector<EmployerBox>& EmployerBlock();
// The rows `form` shows on its screen as text boxes, in reading order.
std::vector<const EmployerBox*> ShownEmployerBoxes(CompanyForm form);
// Their screen boxes' names, in the same order.
QStringList ShownEmployerNames(CompanyForm form);

// The payer's federal ID: the EIN, or the SSN when the EIN is empty.
QString PayerFederalId(const CompanyRecord& company);
