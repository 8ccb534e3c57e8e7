#pragma once

#include "core/records/FormBoxes.h"
#include "core/store/Records.h"

#include <QString>
#include <QtGlobal>

// Box 3 of the 1096: the number of forms.
inline constexpr TransmittalBox kForm1096FormCountBox{3, "FormCount", "3 Total number of forms", 13};

// The 1096 totals over every 1099-MISC of the company, exact to the cent.
struct Form1096Totals {
    int formCount = 0;          // box 3
    qint64 federalTaxCents = 0; // box 4
    qint64 reportedCents = 0;   // box 5

    QString FormCountText() const;  // "%d"
    QString FederalTaxText() const; // two decimals
    QString ReportedText() const;
    // Box 3, 4 or 5 by its number; empty for any other.
    QString Text(int box) const;
};

// Box 5 adds boxes 1, 2, 3, 5, 6, 7, 8, 10, 13 and 14: not the tax withheld
// (box 4), not the 409A boxes 15a/15b and not the state boxes 16-18.
// The 1099-MISC of each contractor is found by the contractor's id: a form
// without a contractor is neither counted nor added.
Form1096Totals ComputeForm1096Totals(const ContractorList& contractors, const Form1099List& forms);
// The totals of exactly the forms given.
Form1096Totals ComputeForm1096Totals(const Form1099List& forms);
