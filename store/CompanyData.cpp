#include "store/CompanyData.h"

#include "store/CompanyStore.h"

void CompanyData::Clear()
{
    company = CompanyRecord{};
    employees.clear();
    contractors.clear();
    w2s.clear();
    forms1099.clear();
    w3s.clear();
    form1096 = Form1096Record{};
}

int LoadCompany(CompanyStore& store, const QString& path, CompanyData& data)
{
    store.Close();
    if (store.OpenExisting(path) != CompanyStore::kOk)
        return CompanyStore::kError;
    store.SetTargets(&data.company, &data.employees, &data.contractors, &data.w2s, &data.forms1099, &data.w3s,
                     &data.form1096);
    int (CompanyStore::*const steps[])() = {
        &CompanyStore::SelectCompany, &CompanyStore::SelectEmployees, &CompanyStore::SelectContractors,
        &CompanyStore::SelectW2,      &CompanyStore::SelectForm1099,  &CompanyStore::SelectW3,
        &CompanyStore::SelectForm1096,
    };
    for (auto step : steps) {
        const int rc = (store.*step)();
        if (rc != CompanyStore::kOk)
            return rc;
    }
    return CompanyStore::kOk;
}

int CreateCompanyStore(CompanyStore& store, const QString& path)
{
    store.Close();
    if (store.Open(path) != CompanyStore::kOk)
        return CompanyStore::kError;
    int (CompanyStore::*const steps[])() = {
        &CompanyStore::CreateVersionTable,  &CompanyStore::CreateCompanyTable, &CompanyStore::CreateEmployeesTable,
        &CompanyStore::CreateContractorsTable, &CompanyStore::CreateW2Table,   &CompanyStore::CreateForm1099Table,
        &CompanyStore::CreateW3Table,       &CompanyStore::CreateForm1096Table,
    };
    for (auto step : steps) {
        const int rc = (store.*step)();
        if (rc != CompanyStore::kOk)
            return rc;
    }
    return CompanyStore::kOk;
}
