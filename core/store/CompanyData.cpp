#include "core/store/CompanyData.h"

#include "core/store/CompanyStore.h"

#include <QFile>

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

bool WriteCompanyStore(const QString& path, const CompanyData& data)
{
    if (QFile::exists(path))
        return false;
    CompanyStore store;
    bool ok = CreateCompanyStore(store, path) == CompanyStore::kOk;
    ok = ok && store.InsertCompany(data.company, 1) == CompanyStore::kOk;
    for (const EmployeeRecord& e : data.employees)
        ok = ok && store.InsertEmployee(e, e.EmployeeUniqueID) == CompanyStore::kOk;
    for (const W2Record& w : data.w2s)
        ok = ok && store.InsertW2(w, w.W2UniqueID) == CompanyStore::kOk;
    for (const ContractorRecord& c : data.contractors)
        ok = ok && store.InsertContractor(c, c.ContractorUniqueID) == CompanyStore::kOk;
    for (const Form1099Record& f : data.forms1099)
        ok = ok && store.InsertForm1099(f, f.Form1099UniqueID) == CompanyStore::kOk;
    store.Close();
    if (!ok)
        QFile::remove(path);
    return ok;
}
