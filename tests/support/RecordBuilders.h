#pragma once

#include "core/store/CompanyData.h"
#include "core/store/Records.h"

#include <QString>

// Records for tests, with just what identifies them; a test sets the
// fields it is about on top.

EmployeeRecord MakeEmployee(int id, const QString& ssn, const QString& first, const QString& last);

// A contractor with a whole mailing address, so it passes the checks of a
// new contractor.
ContractorRecord MakeContractor(int id, const QString& number, const QString& first, const QString& last);

W2Record MakeW2(int id, int employeeId);
Form1099Record MakeForm1099(int id, int contractorId);

// A company named `name` (id 1) with the given records.
CompanyData MakeCompany(const QString& name, const EmployeeList& employees = {}, const W2List& w2s = {},
                        const ContractorList& contractors = {}, const Form1099List& forms = {});
