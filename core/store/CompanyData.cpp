#include "core/store/CompanyData.h"

#include "core/store/CompanyStore.h"
#include "core/store/Counted.h"
#include "core/store/RecordLookup.h"
#include "core/store/StoreFileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringList>

#include <sys/stat.h>

#include <tuple>

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

namespace {

// Owners without a form, and forms that are no owner's.
template <class Owner, class Form>
std::pair<int, int> CountUnmatched(const std::vector<Owner>& owners, int Owner::*ownerId,
                                   const std::vector<Form>& forms, int Form::*formOwner)
{
    const int matched = int(FormsOfOwners(owners, ownerId, forms, formOwner).size());
    return {int(owners.size()) - matched, int(forms.size()) - matched};
}

} // namespace

bool FormOwnerCheck::AllMatch() const
{
    return w2sWithoutEmployee == 0 && employeesWithoutW2 == 0 && formsWithoutContractor == 0
           && contractorsWithoutForm == 0;
}

QString FormOwnerCheck::Describe() const
{
    QStringList parts;
    if (w2sWithoutEmployee > 0)
        parts << Counted(w2sWithoutEmployee, "W-2 form belongs", "W-2 forms belong")
                     + QStringLiteral(" to no employee");
    if (employeesWithoutW2 > 0)
        parts << Counted(employeesWithoutW2, "employee has", "employees have") + QStringLiteral(" no W-2 form");
    if (formsWithoutContractor > 0)
        parts << Counted(formsWithoutContractor, "1099-MISC form belongs", "1099-MISC forms belong")
                     + QStringLiteral(" to no contractor");
    if (contractorsWithoutForm > 0)
        parts << Counted(contractorsWithoutForm, "contractor has", "contractors have")
                     + QStringLiteral(" no 1099-MISC form");
    return parts.join(QStringLiteral("; "));
}

FormOwnerCheck CheckFormOwners(const CompanyData& data)
{
    FormOwnerCheck check;
    std::tie(check.employeesWithoutW2, check.w2sWithoutEmployee) =
        CountUnmatched(data.employees, &EmployeeRecord::EmployeeUniqueID, data.w2s, &W2Record::EmployeeUniqueID);
    std::tie(check.contractorsWithoutForm,
             check.formsWithoutContractor) = CountUnmatched(data.contractors, &ContractorRecord::ContractorUniqueID,
                                                            data.forms1099, &Form1099Record::ContractorUniqueID);
    return check;
}

namespace {

using Step = int (CompanyStore::*)();

// Runs `steps` in order, stopping at the first failure; 0 or its result.
template <size_t N>
int RunSteps(CompanyStore& store, const Step (&steps)[N])
{
    for (Step step : steps) {
        const int rc = (store.*step)();
        if (rc != CompanyStore::kOk)
            return rc;
    }
    return CompanyStore::kOk;
}

int CreateTables(CompanyStore& store)
{
    const Step steps[] = {
        &CompanyStore::CreateVersionTable,     &CompanyStore::CreateCompanyTable,  &CompanyStore::CreateEmployeesTable,
        &CompanyStore::CreateContractorsTable, &CompanyStore::CreateW2Table,       &CompanyStore::CreateForm1099Table,
        &CompanyStore::CreateW3Table,          &CompanyStore::CreateForm1096Table,
    };
    return RunSteps(store, steps);
}

// What a store being built is called beside the store it will be: this
// and eight hexadecimal digits.
constexpr char kBuildingSuffix[] = ".new-";
constexpr int kBuildingDigits = 8;

// The store file and the rollback journal the engine keeps beside it.
void RemoveStoreFiles(const QString& path)
{
    QFile::remove(path);
    QFile::remove(StoreCompanionPath(path, StoreFileRole::Journal));
}

} // namespace

int LoadCompany(CompanyStore& store, const QString& path, CompanyData& data)
{
    store.Close();
    if (store.OpenExisting(path) != CompanyStore::kOk)
        return CompanyStore::kError;
    // One read of one state of the file: checked for damage first, so a
    // damaged store is refused instead of half loaded.
    int rc = store.Execute(QByteArrayLiteral("BEGIN"), CompanyStore::RowCallback());
    if (rc == CompanyStore::kOk)
        rc = store.QuickCheck();
    if (rc == CompanyStore::kOk) {
        store.SetTargets(&data.company, &data.employees, &data.contractors, &data.w2s, &data.forms1099, &data.w3s,
                         &data.form1096);
        const Step steps[] = {
            &CompanyStore::SelectCompany,  &CompanyStore::SelectEmployees, &CompanyStore::SelectContractors,
            &CompanyStore::SelectW2,       &CompanyStore::SelectForm1099,  &CompanyStore::SelectW3,
            &CompanyStore::SelectForm1096,
        };
        rc = RunSteps(store, steps);
    }
    store.Rollback(); // ends the read; nothing was written
    return rc;
}

int CreateCompanyStore(CompanyStore& store, const QString& path)
{
    store.Close();
    if (store.Open(path) != CompanyStore::kOk)
        return CompanyStore::kError;
    int rc = store.Begin();
    if (rc == CompanyStore::kOk)
        rc = CreateTables(store);
    if (rc == CompanyStore::kOk)
        rc = store.Commit();
    if (rc != CompanyStore::kOk)
        store.Rollback();
    return rc;
}

QString BuildCompanyStoreBeside(const QString& path, const CompanyData& data)
{
    // Built whole under a name no listing takes for a store: a store that
    // was cut short never takes the company's name.
    // A name of its own: never a file another write left behind.
    QString building;
    const auto taken = [](const QString& name) {
        return QFileInfo::exists(name) || QFileInfo::exists(StoreCompanionPath(name, StoreFileRole::Journal));
    };
    for (int attempt = 0; attempt < 16 && (building.isEmpty() || taken(building)); ++attempt)
        building = path + QLatin1String(kBuildingSuffix)
                   + QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), kBuildingDigits, 16,
                                              QLatin1Char('0'));
    if (taken(building))
        return QString();
    CompanyStore store;
    bool ok = store.Open(building) == CompanyStore::kOk && store.Begin() == CompanyStore::kOk
              && CreateTables(store) == CompanyStore::kOk && store.InsertCompany(data.company, 1) == CompanyStore::kOk;
    for (const EmployeeRecord& e : data.employees)
        ok = ok && store.InsertEmployee(e, e.EmployeeUniqueID) == CompanyStore::kOk;
    for (const W2Record& w : data.w2s)
        ok = ok && store.InsertW2(w, w.W2UniqueID) == CompanyStore::kOk;
    for (const ContractorRecord& c : data.contractors)
        ok = ok && store.InsertContractor(c, c.ContractorUniqueID) == CompanyStore::kOk;
    for (const Form1099Record& f : data.forms1099)
        ok = ok && store.InsertForm1099(f, f.Form1099UniqueID) == CompanyStore::kOk;
    ok = ok && store.Commit() == CompanyStore::kOk;
    if (!ok)
        store.Rollback();
    store.Close();
    if (!ok) {
        DiscardBuiltStore(building);
        return QString();
    }
    return building;
}

void DiscardBuiltStore(const QString& building)
{
    RemoveStoreFiles(building);
}

int RemoveBuildLeftovers(const QString& path)
{
    const QFileInfo store(path);
    const QString prefix = store.fileName() + QLatin1String(kBuildingSuffix);
    static const QRegularExpression rest(QStringLiteral("^[0-9a-f]{%1}(-journal)?$").arg(kBuildingDigits));
    QDir folder = store.absoluteDir();
    int removed = 0;
    for (const QString& name : folder.entryList({prefix + u'*'}, QDir::Files | QDir::Hidden | QDir::System)) {
        // Only a file of its own: a link in its place is somebody else's.
        struct stat st = {};
        if (!name.startsWith(prefix) || !rest.match(QStringView(name).mid(prefix.size())).hasMatch()
            || ::lstat(QFile::encodeName(folder.filePath(name)).constData(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        removed += folder.remove(name) ? 1 : 0;
    }
    return removed;
}

bool WriteCompanyStore(const QString& path, const CompanyData& data)
{
    if (QFile::exists(path))
        return false;
    const QString building = BuildCompanyStoreBeside(path, data);
    if (building.isEmpty())
        return false;
    // Never over a file that appeared meanwhile.
    if (QFile::rename(building, path))
        return true;
    DiscardBuiltStore(building);
    return false;
}
