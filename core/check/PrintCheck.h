#pragma once

#include "core/store/CompanyData.h"

#include <QString>

#include <vector>

// Before a print job starts, the forms it prints that the check finds
// errors in are counted, and the user is asked whether to print anyway.
// Warnings don't ask. A W-2 or 1099-MISC counts as wrong for its own
// errors and for errors in the employer's data that every form prints
// (the EIN, name and address).

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
