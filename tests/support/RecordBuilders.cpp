#include "tests/support/RecordBuilders.h"

EmployeeRecord MakeEmployee(int id, const QString& ssn, const QString& first, const QString& last)
{
    EmployeeRecord e;
    e.EmployeeUniqueID = id;
    e.SocialSecurityNumber = ssn;
    e.FirstName = first;
    e.LastName = last;
    return e;
}

ContractorRecord MakeContractor(int id, const QString& number, const QString& first, const QString& last)
{
    ContractorRecord c;
    c.ContractorUniqueID = id;
    c.IdentificationNumber = number;
    c.FirstName = first;
    c.LastName = last;
    c.Address1 = "77 Pine Hollow Lane";
    c.City = "Lake Oswego";
    c.State = "OR";
    c.Zip = "97034-1902";
    return c;
}

W2Record MakeW2(int id, int employeeId)
{
    W2Record w;
    w.W2UniqueID = id;
    w.EmployeeUniqueID = employeeId;
    return w;
}

Form1099Record MakeForm1099(int id, int contractorId)
{
    Form1099Record f;
    f.Form1099UniqueID = id;
    f.ContractorUniqueID = contractorId;
    return f;
}

CompanyData MakeCompany(const QString& name, const EmployeeList& employees, const W2List& w2s,
                        const ContractorList& contractors, const Form1099List& forms)
{
    CompanyData data;
    data.company.EmployerName = name;
    data.company.CompanyUniqueID = 1;
    data.employees = employees;
    data.w2s = w2s;
    data.contractors = contractors;
    data.forms1099 = forms;
    return data;
}
