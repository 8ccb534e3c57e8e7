#pragma once

#include "core/store/CompanyData.h"

#include <QString>

#include <vector>

// Before a print job starts, the forms it prints that the check finds
// errors in are counted, and the user is asked whether to print anyway.
// Warnings don't ask. A W-2 or 1099-MISC counts as wrong for its own
// errors and for errors in the employer's data that every form prints
// (the EIN, name and address).

// The forms of a print job that the check finds errors in.
struct PrintedWithErrors {
    int wrong = 0;   // forms with errors
    int printed = 0; // forms printed
    const char* form = "";

    bool Any() const { return wrong > 0; }
    // "2 of the W-2s to print have errors", "the W-3 to print has errors";
    // empty when none has.
    QString Description() const;
    // The window's question: "2 of the W-2s to print have errors. Print
    // anyway?"; empty when none has errors.
    QString Question() const;
};

// For the W-2s of the employees at `employeeIndexes` (list indexes).
PrintedWithErrors W2PrintErrors(const CompanyData& data, const std::vector<int>& employeeIndexes);
// For the 1099-MISCs of the contractors at `contractorIndexes`.
PrintedWithErrors Form1099PrintErrors(const CompanyData& data, const std::vector<int>& contractorIndexes);
// For the W-3 and the 1096: the company's data on them.
PrintedWithErrors W3PrintErrors(const CompanyData& data);
PrintedWithErrors Form1096PrintErrors(const CompanyData& data);

// "2 of the W-2s to print have errors. Print anyway?" for the W-2s of the
// employees at `employeeIndexes` (list indexes), or empty when none has
// errors.
QString W2PrintErrorsQuestion(const CompanyData& data, const std::vector<int>& employeeIndexes);
// The same for the 1099-MISCs of the contractors at `contractorIndexes`.
QString Form1099PrintErrorsQuestion(const CompanyData& data, const std::vector<int>& contractorIndexes);
// "The W-3 to print has errors. Print anyway?" when the company's data on
// the W-3 has errors, else empty; and the same for the 1096.
QString W3PrintErrorsQuestion(const CompanyData& data);
QString Form1096PrintErrorsQuestion(const CompanyData& data);

// Asks `question` (one of the above) with No as the default answer, so
// that Enter does not print forms the agencies would reject. True when
// there is nothing to ask or the answer is Yes.
bool PrintDespiteErrors(const QString& question);
