#pragma once

#include "core/records/FormBoxes.h"
#include "core/store/CompanyData.h"

#include <QString>

#include <vector>

// The check before filing: every W-2 and 1099-MISC of a company, and the
// company's data on the W-3 and the 1096, against the rules of their box
// tables (W2CheckRules, Form1099CheckRules, CompanyCheckRules). It reads
// the company and changes nothing.

// Where a finding is mended: the company setup, the person's dialog, or
// the form's screen. A form that belongs to nobody is mended nowhere in
// the program.
enum class FindingPlace { Company, Person, Form, Nowhere };

struct FormFinding {
    const CheckRule* rule = nullptr;
    QString person;  // the employee's or contractor's name, or the company's
    QString tin;     // their social security or identification number, or the EIN
    QString box;     // the label of the box; empty for the form as a whole
    QString message; // one sentence
    FindingPlace place = FindingPlace::Nowhere;
    QString field;    // the record field of the box at `place`; empty for the form as a whole
    int ownerId = -1; // the employee's or contractor's id (-1: none)

    Severity GetSeverity() const { return rule->severity; }
    CheckedForm Form() const { return rule->form; }
    bool IsError() const { return rule->severity == Severity::Error; }
};

// Which forms a check looks at: the W-2s with the W-3, the 1099-MISCs with
// the 1096, or all. The employer's data common to the W-3 and the 1096 is
// checked in each.
enum class CheckScope { All, W2, Form1099 };

struct FormCheckResult {
    std::vector<FormFinding> findings; // the company's, then the W-2s, then the 1099-MISCs, in list order
    int errors = 0;
    int warnings = 0;
};

FormCheckResult CheckCompanyForms(const CompanyData& data, CheckScope scope = CheckScope::All);
// The company's data on the W-3 and the 1096 alone (the findings of
// CheckCompanyForms on the forms of the company, not of its people).
FormCheckResult CheckCompanySetup(const CompanyData& data, CheckScope scope = CheckScope::All);

// Why `ssn` is not a social security number the SSA issues ("it needs nine
// digits ..."), or empty when it is one.
QString SsnProblem(const QString& ssn);
