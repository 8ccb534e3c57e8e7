#include "core/import/UpgradeStore.h"

#include "core/store/CompanyStore.h"
#include "core/store/Records.h"

namespace {

bool Succeeded(int result)
{
    return result == CompanyStore::kOk;
}

bool RenewYearTables(CompanyStore& store)
{
    int (CompanyStore::*const steps[])() = {
        &CompanyStore::DropVersionTable,    &CompanyStore::DropW2Table,         &CompanyStore::DropW3Table,
        &CompanyStore::DropForm1099Table,   &CompanyStore::DropForm1096Table,   &CompanyStore::CreateVersionTable,
        &CompanyStore::CreateW2Table,       &CompanyStore::CreateForm1099Table, &CompanyStore::CreateW3Table,
        &CompanyStore::CreateForm1096Table,
    };
    for (auto step : steps)
        if (!Succeeded((store.*step)()))
            return false;
    return true;
}

// One blank form per owner that `select` reads into `owners`, with the ids
// 1..n in store order.
template <class Owner, class Form>
bool InsertBlankForms(CompanyStore& store, const std::vector<Owner>& owners, int (CompanyStore::*select)(),
                      int Owner::*ownerId, int (CompanyStore::*insert)(const Form&, int), int Form::*formId,
                      int Form::*formOwnerId)
{
    if (!Succeeded((store.*select)()))
        return false;
    int id = 0;
    for (const Owner& owner : owners) {
        Form form;
        form.*formId = ++id;
        form.*formOwnerId = owner.*ownerId;
        if (!Succeeded((store.*insert)(form, form.*formId)))
            return false;
    }
    return true;
}

bool InsertBlankW2s(CompanyStore& store)
{
    EmployeeList employees;
    store.SetTargets(nullptr, &employees, nullptr, nullptr, nullptr, nullptr, nullptr);
    return InsertBlankForms(store, employees, &CompanyStore::SelectEmployees, &EmployeeRecord::EmployeeUniqueID,
                            &CompanyStore::InsertW2, &W2Record::W2UniqueID, &W2Record::EmployeeUniqueID);
}

bool InsertBlankForms1099(CompanyStore& store)
{
    ContractorList contractors;
    store.SetTargets(nullptr, nullptr, &contractors, nullptr, nullptr, nullptr, nullptr);
    return InsertBlankForms(store, contractors, &CompanyStore::SelectContractors, &ContractorRecord::ContractorUniqueID,
                            &CompanyStore::InsertForm1099, &Form1099Record::Form1099UniqueID,
                            &Form1099Record::ContractorUniqueID);
}

} // namespace

bool UpgradeStore(const QString& path)
{
    CompanyStore store;
    if (!Succeeded(store.OpenExisting(path)))
        return false;
    // One transaction: the file is never left half upgraded, and thousands
    // of inserts need one journal write instead of one each.
    if (!Succeeded(store.Execute("BEGIN;")))
        return false;
    const bool upgraded = RenewYearTables(store) && InsertBlankW2s(store) && InsertBlankForms1099(store);
    store.SetTargets(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    if (!upgraded || !Succeeded(store.Execute("COMMIT;"))) {
        store.Execute("ROLLBACK;");
        return false;
    }
    store.Close();
    return true;
}
