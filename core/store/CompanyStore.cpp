#include "core/store/CompanyStore.h"

#include "core/store/RecordColumns.h"
#include "core/store/SqlStatement.h"
#include "core/store/Statements.h"
#include "core/store/StoreFileKind.h"
#include "core/store/StoreFileVfs.h"

#include <sqlite3.h>

#include <climits>
#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/resource.h>
#include <unordered_set>

namespace {

// The engine found damage inside a store of this edition.
constexpr char kDamagedStore[] = "it is damaged: the check of its contents found errors";

// A column value as text: NULL reads as empty.
QString StoredText(const char* value)
{
    return value ? QString::fromUtf8(value) : QString();
}

// Decimal text to integer, as the engine's rows give them: leading blanks,
// an optional sign, then digits; no digits give 0.
int StoredNumber(const char* value)
{
    if (!value)
        return 0;
    const char* p = value;
    while (*p == ' ' || *p == '\t')
        ++p;
    bool negative = false;
    if (*p == '-' || *p == '+')
        negative = *p++ == '-';
    long long n = 0;
    while (*p >= '0' && *p <= '9') {
        n = n * 10 + (*p - '0');
        if (n > INT_MAX)
            return negative ? INT_MIN : INT_MAX;
        ++p;
    }
    return int(negative ? -n : n);
}

// The value at `index`, or nullptr when the row is shorter.
const char* Column(int columns, char** values, int index)
{
    return index < columns ? values[index] : nullptr;
}

// Stores one column value into a record field: a text is cut to the field's
// capacity, a number converted, an unused column skipped.
template <class Field>
void AssignColumn(Field& field, const char* value)
{
    if constexpr (kIsIntegerColumn<Field>)
        field = StoredNumber(value);
    else if constexpr (!kIsUnusedColumn<Field>)
        field = StoredText(value);
}

struct CallerContext {
    const CompanyStore::RowCallback* onRow;
};

int CallerCallback(void* context, int columns, char** values, char** names)
{
    return (*static_cast<CallerContext*>(context)->onRow)(columns, values, names);
}

template <class Visit>
QByteArray SelectStatement(const char* table, Visit visit)
{
    QByteArray text = "SELECT ";
    bool first = true;
    visit([&](const char* name, auto&) {
        if (!first)
            text += ',';
        first = false;
        text += table;
        text += '.';
        text += name;
    });
    text += " FROM ";
    text += table;
    return text;
}

template <class Visit>
QByteArray CreateStatement(const char* table, Visit visit)
{
    QByteArray text = "CREATE TABLE ";
    text += table;
    text += '(';
    bool first = true;
    visit([&](const char* name, auto& field) {
        using Field = std::remove_cvref_t<decltype(field)>;
        if (!first)
            text += ',';
        text += name;
        if (first)
            text += " INTEGER PRIMARY KEY";
        else if constexpr (kIsIntegerColumn<Field>)
            text += " INTEGER";
        else
            text += " NVARCHAR(" + QByteArray::number(Field::kCapacity) + ')';
        first = false;
    });
    text += ");";
    return text;
}

} // namespace

// Contractor ids whose 1099-MISC is already collected during one reading:
// at most one form per contractor is kept, the first the store returns.
class CompanyStore::Form1099Seen {
public:
    explicit Form1099Seen(const Form1099List& existing)
    {
        for (const auto& form : existing)
            ids_.insert(form.ContractorUniqueID);
    }
    bool Add(int contractorId) { return ids_.insert(contractorId).second; }

private:
    std::unordered_set<int> ids_;
};

CompanyStore::CompanyStore()
{
    RegisterStoreVfs();
}

CompanyStore::~CompanyStore()
{
    Close();
}

int CompanyStore::Open(const QString& path)
{
    return OpenWithFlags(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

int CompanyStore::OpenExisting(const QString& path)
{
    return OpenWithFlags(path, SQLITE_OPEN_READWRITE);
}

int CompanyStore::OpenWithFlags(const QString& path, int flags)
{
    Close();
    if (path.isEmpty())
        return kError;
    sqlite3* db = nullptr;
    const QByteArray file = path.toUtf8();
    const int rc = sqlite3_open_v2(file.constData(), &db, flags, kStoreVfsName);
    if (rc != SQLITE_OK) {
        NoteResult(rc, db);
        if (db)
            sqlite3_close(db);
        // The shim refuses what is no store of this edition before the
        // engine reads it (StoreFileProblemOfBytes); what the file is says
        // more than "can't open". Looked at only now: a descriptor of ours
        // on a store that another connection of this process has locked
        // would drop those locks when closed.
        if ((rc & 0xFF) == SQLITE_CANTOPEN) {
            const QString problem = StoreFileProblem(path);
            if (!problem.isEmpty())
                lastFailure_ = problem;
        }
        return kError;
    }
    // Another instance of the program may hold the store for a moment.
    sqlite3_busy_timeout(db, 2000);
    db_ = db;
    return kOk;
}

void CompanyStore::Close()
{
    if (db_) {
        sqlite3_close(db_);
        db_ = nullptr;
    }
}

int CompanyStore::Execute(const QByteArray& statement)
{
    if (!db_)
        return kError;
    struct Bridge {
        static int Call(void* self, int columns, char** values, char** names)
        {
            return static_cast<CompanyStore*>(self)->OnRow(columns, values, names);
        }
    };
    return NoteResult(sqlite3_exec(db_, statement.constData(), &Bridge::Call, this, nullptr), db_);
}

int CompanyStore::Execute(const QByteArray& statement, const RowCallback& onRow)
{
    if (!db_)
        return kError;
    if (!onRow)
        return NoteResult(sqlite3_exec(db_, statement.constData(), nullptr, nullptr, nullptr), db_);
    CallerContext context{&onRow};
    return NoteResult(sqlite3_exec(db_, statement.constData(), &CallerCallback, &context, nullptr), db_);
}

int CompanyStore::NoteResult(int rc, sqlite3* db)
{
    if (rc == SQLITE_OK || rc == SQLITE_ABORT)
        return rc; // success, or a row callback that asked to stop
    // The system's reason is what tells the user what to do about it; the
    // engine keeps the error number of its last failed system call, and the
    // store file that of its own last failure.
    const int primary = rc & 0xFF;
    int systemError = db ? sqlite3_system_errno(db) : 0;
    if (systemError == 0 && db) // the store file's own, where the engine did not pass it on
        sqlite3_file_control(db, "main", SQLITE_FCNTL_LAST_ERRNO, &systemError);
    const bool fileFailure = primary == SQLITE_IOERR || primary == SQLITE_FULL || primary == SQLITE_CANTOPEN
        || primary == SQLITE_READONLY || primary == SQLITE_PERM;
    if (fileFailure && systemError != 0) {
        lastFailure_ = QString::fromLocal8Bit(std::strerror(systemError));
    } else if (primary == SQLITE_FULL) {
        // A write cut short sets no error number: the disk is full, or the
        // file reached the process's file-size limit.
        lastFailure_ = QString::fromLocal8Bit(std::strerror(ENOSPC));
        rlimit limit = {};
        if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
            lastFailure_ += QStringLiteral(" (or the file-size limit is reached: %1)")
                                .arg(QString::fromLocal8Bit(std::strerror(EFBIG)));
    } else if (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB) {
        lastFailure_ = QLatin1String(kDamagedStore);
    } else if (db) {
        lastFailure_ = QString::fromUtf8(sqlite3_errmsg(db));
    } else {
        lastFailure_ = QString::fromUtf8(sqlite3_errstr(rc));
    }
    return rc;
}

int CompanyStore::ChangedRows() const
{
    return db_ ? sqlite3_changes(db_) : 0;
}

int CompanyStore::Begin()
{
    return Execute(QByteArrayLiteral("BEGIN IMMEDIATE"), RowCallback());
}

int CompanyStore::Commit()
{
    return Execute(QByteArrayLiteral("COMMIT"), RowCallback());
}

void CompanyStore::Rollback()
{
    if (db_ && !sqlite3_get_autocommit(db_))
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

int CompanyStore::QuickCheck()
{
    // One row "ok" for a sound file; otherwise one row per problem found.
    bool sound = false;
    int rows = 0;
    const int rc = Execute(QByteArrayLiteral("PRAGMA quick_check"), [&](int columns, char** values, char**) {
        ++rows;
        sound = rows == 1 && columns == 1 && values[0] && qstrcmp(values[0], "ok") == 0;
        return 0;
    });
    if (rc != kOk)
        return rc;
    if (sound && rows == 1)
        return kOk;
    lastFailure_ = QLatin1String(kDamagedStore);
    return kCorrupt;
}

void CompanyStore::SetTargets(CompanyRecord* company, EmployeeList* employees, ContractorList* contractors,
                              W2List* w2s, Form1099List* forms1099, W3List* w3s, Form1096Record* form1096)
{
    company_ = company;
    employees_ = employees;
    contractors_ = contractors;
    w2s_ = w2s;
    forms1099_ = forms1099;
    w3s_ = w3s;
    form1096_ = form1096;
}

int CompanyStore::Run(QueryKind kind, Operation operation, QByteArray statement)
{
    statement_.clear();
    queryKind_ = kind;
    operation_ = operation;
    if (!db_)
        return kError;
    statement_ = std::move(statement);
    return Execute(statement_);
}

int CompanyStore::OnRow(int columns, char** values, char**)
{
    switch (queryKind_) {
    case kCompanyQuery: {
        if (!company_)
            break;
        CompanyRecord& c = *company_;
        auto at = [&](int i) { return Column(columns, values, i); };
        AssignColumn(c.EmployerIdentificationNumber, at(0));
        AssignColumn(c.EmployerName, at(1));
        AssignColumn(c.Address1, at(2));
        AssignColumn(c.Address2, at(3));
        AssignColumn(c.StateID, at(4));
        AssignColumn(c.City, at(5));
        AssignColumn(c.State, at(6));
        AssignColumn(c.Zip, at(7));
        AssignColumn(c.SocialSecurityNumber, at(8));
        AssignColumn(c.FormW3ControlNumber, at(9));
        AssignColumn(c.FormW3EstablishmentNumber, at(10));
        AssignColumn(c.FormW3OtherEIN, at(11));
        AssignColumn(c.FormW3ThirdPartySickPay, at(12));
        AssignColumn(c.FormW3IncomeTaxWithHeld, at(13));
        AssignColumn(c.FormW3ContactName, at(14));
        AssignColumn(c.FormW3Telephone, at(15));
        AssignColumn(c.FormW3Email, at(16));
        AssignColumn(c.FormW3Fax, at(17));
        AssignColumn(c.FormW3RadioKindOfPayer, at(18));
        AssignColumn(c.FormW3CheckThirdPartySickPay, at(19));
        AssignColumn(c.Form1096ContactName, at(20));
        AssignColumn(c.Form1096Telephone, at(21));
        AssignColumn(c.Form1096Fax, at(22));
        AssignColumn(c.Form1096Email, at(23));
        AssignColumn(c.Form1096CheckIsThisYourFinalReturn, at(24));
        break;
    }
    case kEmployeesQuery: {
        if (!employees_)
            break;
        EmployeeRecord e;
        auto at = [&](int i) { return Column(columns, values, i); };
        AssignColumn(e.EmployeeUniqueID, at(0));
        AssignColumn(e.SocialSecurityNumber, at(1));
        AssignColumn(e.FirstName, at(2));
        AssignColumn(e.MiddleName, at(3));
        AssignColumn(e.LastName, at(4));
        AssignColumn(e.Address1, at(5));
        AssignColumn(e.Address2, at(6));
        AssignColumn(e.City, at(7));
        AssignColumn(e.State, at(8));
        AssignColumn(e.Zip, at(9));
        employees_->push_back(std::move(e));
        break;
    }
    case kContractorsQuery: {
        if (!contractors_)
            break;
        ContractorRecord c;
        auto at = [&](int i) { return Column(columns, values, i); };
        AssignColumn(c.ContractorUniqueID, at(0));
        AssignColumn(c.IdentificationNumber, at(1));
        AssignColumn(c.FirstName, at(2));
        AssignColumn(c.MiddleName, at(3));
        AssignColumn(c.LastName, at(4));
        AssignColumn(c.Address1, at(5));
        AssignColumn(c.Address2, at(6));
        AssignColumn(c.City, at(7));
        AssignColumn(c.State, at(8));
        AssignColumn(c.Zip, at(9));
        AssignColumn(c.AccountNumber, at(10));
        // column 11, GeneralInformation, is not kept
        AssignColumn(c.SecondTIN, at(12));
        contractors_->push_back(std::move(c));
        break;
    }
    case kW2Query: {
        if (!w2s_)
            break;
        W2Record w;
        int i = 0;
        VisitW2Columns(w, [&](const char*, auto& field) { AssignColumn(field, Column(columns, values, i++)); });
        w2s_->push_back(std::move(w));
        break;
    }
    case kForm1099Query: {
        if (!forms1099_)
            break;
        Form1099Record f;
        int i = 0;
        VisitForm1099Columns(f, [&](const char*, auto& field) { AssignColumn(field, Column(columns, values, i++)); });
        if (!form1099Seen_ || form1099Seen_->Add(f.ContractorUniqueID))
            forms1099_->push_back(std::move(f));
        break;
    }
    case kW3Query: {
        if (!w3s_)
            break;
        W3Record w;
        auto at = [&](int i) { return Column(columns, values, i); };
        AssignColumn(w.State1, at(0));
        AssignColumn(w.State2, at(1));
        AssignColumn(w.StateID1, at(2));
        AssignColumn(w.StateID2, at(3));
        AssignColumn(w.Wages, at(4));
        AssignColumn(w.FederalIncomeTaxWithheld, at(5));
        AssignColumn(w.SocialSecurityWages, at(6));
        AssignColumn(w.SocialSecurityTaxWithheld, at(7));
        AssignColumn(w.MedicareWages, at(8));
        AssignColumn(w.MedicareTaxWithheld, at(9));
        AssignColumn(w.SocialSecurityTips, at(10));
        AssignColumn(w.AllocatedTips, at(11));
        AssignColumn(w.AdvancEICPayment, at(12));
        AssignColumn(w.DependentCareBenefits, at(13));
        AssignColumn(w.NonQualifiedPlans, at(14));
        AssignColumn(w.DeferredCompensation, at(15));
        AssignColumn(w.StateWages, at(16));
        AssignColumn(w.StateIncomTax, at(17));
        AssignColumn(w.LocalWages, at(18));
        AssignColumn(w.LocalIncomeTax, at(19));
        w3s_->push_back(std::move(w));
        break;
    }
    case kForm1096Query: {
        if (!form1096_)
            break;
        auto at = [&](int i) { return Column(columns, values, i); };
        AssignColumn(form1096_->TotalNumberOfForms, at(0));
        AssignColumn(form1096_->FederalIncomeTaxWithHeld, at(1));
        AssignColumn(form1096_->TotalAmountReportedWithThisForm, at(2));
        AssignColumn(form1096_->FinalReturn, at(3));
        AssignColumn(form1096_->TypeOfFormBeingFiled, at(4));
        break;
    }
    case kNoQuery:
    case kSchemaQuery:
        break;
    }
    return 0;
}

// ---- reading ----

QByteArray CompanyStore::SelectW2Statement()
{
    W2Record layout;
    return SelectStatement("W2", [&](auto&& f) { VisitW2Columns(layout, f); });
}

QByteArray CompanyStore::SelectForm1099Statement()
{
    Form1099Record layout;
    return SelectStatement("Form1099", [&](auto&& f) { VisitForm1099Columns(layout, f); });
}

int CompanyStore::SelectCompany()
{
    if (company_)
        company_->CompanyUniqueID = 1;
    return Run(kCompanyQuery, kLoad, Statements::kSelectCompany);
}

int CompanyStore::SelectEmployees()
{
    return Run(kEmployeesQuery, kLoad, Statements::kSelectEmployees);
}

int CompanyStore::SelectContractors()
{
    return Run(kContractorsQuery, kLoad, Statements::kSelectContractors);
}

int CompanyStore::SelectW2()
{
    return Run(kW2Query, kLoad, SelectW2Statement());
}

int CompanyStore::SelectForm1099()
{
    if (!forms1099_)
        return Run(kForm1099Query, kLoad, SelectForm1099Statement());
    Form1099Seen seen(*forms1099_);
    form1099Seen_ = &seen;
    const int rc = Run(kForm1099Query, kLoad, SelectForm1099Statement());
    form1099Seen_ = nullptr;
    return rc;
}

int CompanyStore::SelectW3()
{
    return Run(kW3Query, kLoad, Statements::kSelectW3);
}

int CompanyStore::SelectForm1096()
{
    return Run(kForm1096Query, kLoad, Statements::kSelectForm1096);
}

void CompanyStore::CollectRows(QueryKind kind, const std::function<void(const RowSink&)>& feed)
{
    statement_.clear();
    queryKind_ = kind;
    operation_ = kLoad;
    if (kind == kCompanyQuery && company_)
        company_->CompanyUniqueID = 1;
    std::optional<Form1099Seen> seen;
    if (kind == kForm1099Query && forms1099_)
        form1099Seen_ = &seen.emplace(*forms1099_);
    feed([this](int columns, char** values) { OnRow(columns, values, nullptr); });
    form1099Seen_ = nullptr;
}

CompanyStore::ReadingColumns CompanyStore::ReadingColumnsOf(QueryKind kind)
{
    QByteArray statement;
    switch (kind) {
    case kCompanyQuery: statement = Statements::kSelectCompany; break;
    case kEmployeesQuery: statement = Statements::kSelectEmployees; break;
    case kContractorsQuery: statement = Statements::kSelectContractors; break;
    case kW2Query: statement = SelectW2Statement(); break;
    case kForm1099Query: statement = SelectForm1099Statement(); break;
    case kW3Query: statement = Statements::kSelectW3; break;
    case kForm1096Query: statement = Statements::kSelectForm1096; break;
    case kNoQuery:
    case kSchemaQuery: return {};
    }
    // "SELECT Table.Column,... FROM Table"
    const qsizetype from = statement.indexOf(" FROM ");
    ReadingColumns reading;
    reading.table = statement.mid(from + 6).trimmed();
    for (const QByteArray& column : statement.mid(7, from - 7).split(','))
        reading.columns << column.mid(column.lastIndexOf('.') + 1).trimmed();
    return reading;
}

QByteArray CompanyStore::TableDefinition(QueryKind kind)
{
    switch (kind) {
    case kCompanyQuery: return Statements::kCreateCompany;
    case kEmployeesQuery: return Statements::kCreateEmployees;
    case kContractorsQuery: return Statements::kCreateContractors;
    case kW2Query: return CreateW2Statement();
    case kForm1099Query: return CreateForm1099Statement();
    case kW3Query: return Statements::kCreateW3;
    case kForm1096Query: return Statements::kCreateForm1096;
    case kNoQuery:
    case kSchemaQuery: break;
    }
    return {};
}

// ---- writing ----

namespace {

SqlStatement& EmployeeTexts(SqlStatement& s, const EmployeeRecord& r)
{
    return s.Text(r.SocialSecurityNumber)
        .Text(r.FirstName)
        .Text(r.MiddleName)
        .Text(r.LastName)
        .Text(r.Address1)
        .Text(r.Address2)
        .Text(r.City)
        .Text(r.State)
        .Text(r.Zip);
}

SqlStatement& ContractorTexts(SqlStatement& s, const ContractorRecord& r)
{
    return s.Text(r.IdentificationNumber)
        .Text(r.FirstName)
        .Text(r.MiddleName)
        .Text(r.LastName)
        .Text(r.Address1)
        .Text(r.Address2)
        .Text(r.City)
        .Text(r.State)
        .Text(r.Zip)
        .Text(r.AccountNumber);
}

// Every column of a record after its ids, in table order; an unused column
// is written as `unusedText`.
template <class Record, class Visit>
void AppendColumnsAfterIds(SqlStatement& s, const Record& r, Visit visit, const QString& unusedText, int idColumns)
{
    int index = 0;
    visit(r, [&](const char*, const auto& field) {
        using Field = std::remove_cvref_t<decltype(field)>;
        if (index++ < idColumns)
            return;
        if constexpr (kIsIntegerColumn<Field>)
            s.Number(field);
        else if constexpr (kIsUnusedColumn<Field>)
            s.Text(unusedText);
        else
            s.Text(field);
    });
}

SqlStatement& CompanyValues(SqlStatement& s, const CompanyRecord& r)
{
    return s.Text(r.EmployerIdentificationNumber)
        .Text(r.EmployerName)
        .Text(r.Address1)
        .Text(r.Address2)
        .Text(r.City)
        .Text(r.State)
        .Text(r.Zip)
        .Text(r.StateID)
        .Text(r.SocialSecurityNumber)
        .Text(r.FormW3ControlNumber)
        .Text(r.FormW3EstablishmentNumber)
        .Text(r.FormW3OtherEIN)
        .Text(r.FormW3ThirdPartySickPay)
        .Text(r.FormW3IncomeTaxWithHeld)
        .Text(r.FormW3ContactName)
        .Text(r.FormW3Telephone)
        .Text(r.FormW3Email)
        .Text(r.FormW3Fax)
        .Number(r.FormW3RadioKindOfPayer)
        .Number(r.FormW3CheckThirdPartySickPay)
        .Text(r.Form1096ContactName)
        .Text(r.Form1096Telephone)
        .Text(r.Form1096Fax)
        .Text(r.Form1096Email)
        .Number(r.Form1096CheckIsThisYourFinalReturn);
}

} // namespace

int CompanyStore::UpdateEmployee(const EmployeeRecord& record, int id)
{
    SqlStatement s(Statements::kUpdateEmployee);
    EmployeeTexts(s, record).Number(id);
    return Run(kEmployeesQuery, kUpdate, s.Utf8());
}

int CompanyStore::InsertEmployee(const EmployeeRecord& record, int id)
{
    SqlStatement s(Statements::kInsertEmployee);
    EmployeeTexts(s.Number(id), record);
    return Run(kEmployeesQuery, kInsert, s.Utf8());
}

int CompanyStore::DeleteEmployee(int id)
{
    return Run(kEmployeesQuery, kDelete, SqlStatement(Statements::kDeleteEmployee).Number(id).Utf8());
}

int CompanyStore::UpdateContractor(const ContractorRecord& record, int id)
{
    SqlStatement s(Statements::kUpdateContractor);
    ContractorTexts(s, record).Text(QString()).Number(record.SecondTIN).Number(id);
    return Run(kContractorsQuery, kUpdate, s.Utf8());
}

int CompanyStore::InsertContractor(const ContractorRecord& record, int id)
{
    SqlStatement s(Statements::kInsertContractor);
    ContractorTexts(s.Number(id), record).Text(QString()).Number(record.SecondTIN);
    return Run(kContractorsQuery, kInsert, s.Utf8());
}

int CompanyStore::DeleteContractor(int id)
{
    return Run(kContractorsQuery, kDelete, SqlStatement(Statements::kDeleteContractor).Number(id).Utf8());
}

int CompanyStore::UpdateW2(const W2Record& record)
{
    SqlStatement s(Statements::kUpdateW2);
    AppendColumnsAfterIds(s, record, [](const W2Record& r, auto&& f) { VisitW2Columns(r, f); }, QString(), 2);
    s.Number(record.W2UniqueID);
    return Run(kW2Query, kUpdate, s.Utf8());
}

int CompanyStore::InsertW2(const W2Record& record, int id)
{
    SqlStatement s(Statements::kInsertW2);
    s.Number(id).Number(record.EmployeeUniqueID);
    AppendColumnsAfterIds(s, record, [](const W2Record& r, auto&& f) { VisitW2Columns(r, f); }, QString(), 2);
    return Run(kW2Query, kInsert, s.Utf8());
}

int CompanyStore::DeleteW2(int id)
{
    return Run(kW2Query, kDelete, SqlStatement(Statements::kDeleteW2).Number(id).Utf8());
}

int CompanyStore::UpdateForm1099(const Form1099Record& r)
{
    // The update lists its columns in an order of its own: the 409A boxes
    // come right after the state tax lines.
    SqlStatement s(Statements::kUpdateForm1099);
    s.Text(r.Rents)
        .Text(r.Royalities)
        .Text(r.OtherIncome)
        .Text(r.FederalIncomeTaxWithheld)
        .Text(r.FishingBoatProceeds)
        .Text(r.MedicalAndHealthCarePayments)
        .Text(r.NonemployeeCompensation)
        .Text(r.SubstitutePayments)
        .Number(r.PayerMadeDirectSales)
        .Text(r.CropInsuranceProceeds)
        .Text(r.ExcessGoldenParachutePayments)
        .Text(r.GrossProceedsPaidToAttorney)
        .Text(QStringLiteral(" "))
        .Text(r.StateTaxWithheld1)
        .Text(r.StateTaxWithheld2)
        .Text(r.Field15A)
        .Text(r.Field15B)
        .Text(r.PayerStateID1)
        .Text(r.PayerStateID2)
        .Text(r.StateIncome1)
        .Text(r.StateIncome2)
        .Number(r.Form1099UniqueID);
    return Run(kForm1099Query, kUpdate, s.Utf8());
}

int CompanyStore::InsertForm1099(const Form1099Record& record, int id)
{
    SqlStatement s(Statements::kInsertForm1099);
    s.Number(id).Number(record.ContractorUniqueID);
    AppendColumnsAfterIds(
        s, record, [](const Form1099Record& r, auto&& f) { VisitForm1099Columns(r, f); }, QString(), 2);
    return Run(kForm1099Query, kInsert, s.Utf8());
}

int CompanyStore::DeleteForm1099(int id)
{
    return Run(kForm1099Query, kDelete, SqlStatement(Statements::kDeleteForm1099).Number(id).Utf8());
}

int CompanyStore::UpdateCompany(const CompanyRecord& record)
{
    SqlStatement s(Statements::kUpdateCompany);
    CompanyValues(s, record);
    return Run(kCompanyQuery, kUpdate, s.Utf8());
}

int CompanyStore::InsertCompany(const CompanyRecord& record, int id)
{
    SqlStatement s(Statements::kInsertCompany);
    CompanyValues(s.Number(id), record);
    return Run(kCompanyQuery, kInsert, s.Utf8());
}

// ---- schema ----

QByteArray CompanyStore::CreateW2Statement()
{
    W2Record layout;
    return CreateStatement("W2", [&](auto&& f) { VisitW2Columns(layout, f); });
}

QByteArray CompanyStore::CreateForm1099Statement()
{
    Form1099Record layout;
    return CreateStatement("Form1099", [&](auto&& f) { VisitForm1099Columns(layout, f); });
}

int CompanyStore::CreateVersionTable()
{
    return Run(kSchemaQuery, kCreate,
               SqlStatement(Statements::kCreateVersion).Text(QString::fromLatin1(Statements::kVersionValue)).Utf8());
}

int CompanyStore::CreateCompanyTable()
{
    return Run(kCompanyQuery, kCreate, Statements::kCreateCompany);
}

int CompanyStore::CreateEmployeesTable()
{
    using R = EmployeeRecord;
    SqlStatement s(Statements::kCreateEmployees);
    s.Number(decltype(R::SocialSecurityNumber)::kCapacity)
        .Number(decltype(R::FirstName)::kCapacity)
        .Number(decltype(R::MiddleName)::kCapacity)
        .Number(decltype(R::LastName)::kCapacity)
        .Number(decltype(R::Address1)::kCapacity)
        .Number(decltype(R::Address2)::kCapacity)
        .Number(decltype(R::City)::kCapacity)
        .Number(decltype(R::State)::kCapacity)
        .Number(decltype(R::Zip)::kCapacity);
    return Run(kEmployeesQuery, kCreate, s.Utf8());
}

int CompanyStore::CreateContractorsTable()
{
    using R = ContractorRecord;
    SqlStatement s(Statements::kCreateContractors);
    s.Number(decltype(R::IdentificationNumber)::kCapacity)
        .Number(decltype(R::FirstName)::kCapacity)
        .Number(decltype(R::MiddleName)::kCapacity)
        .Number(decltype(R::LastName)::kCapacity)
        .Number(decltype(R::Address1)::kCapacity)
        .Number(decltype(R::Address2)::kCapacity)
        .Number(decltype(R::City)::kCapacity)
        .Number(decltype(R::State)::kCapacity)
        .Number(decltype(R::Zip)::kCapacity)
        .Number(decltype(R::AccountNumber)::kCapacity);
    return Run(kContractorsQuery, kCreate, s.Utf8());
}

int CompanyStore::CreateW2Table()
{
    return Run(kW2Query, kCreate, CreateW2Statement());
}

int CompanyStore::CreateForm1099Table()
{
    return Run(kForm1099Query, kCreate, CreateForm1099Statement());
}

int CompanyStore::CreateW3Table()
{
    using R = W3Record;
    SqlStatement s(Statements::kCreateW3);
    s.Number(decltype(R::State1)::kCapacity)
        .Number(decltype(R::State2)::kCapacity)
        .Number(decltype(R::StateID1)::kCapacity)
        .Number(decltype(R::StateID2)::kCapacity);
    for (int i = 0; i < 16; ++i)
        s.Number(decltype(R::Wages)::kCapacity);
    return Run(kW3Query, kCreate, s.Utf8());
}

int CompanyStore::CreateForm1096Table()
{
    return Run(kForm1096Query, kCreate, Statements::kCreateForm1096);
}

int CompanyStore::DropVersionTable()
{
    return Run(kSchemaQuery, kDrop, Statements::kDropVersion);
}

int CompanyStore::DropW2Table()
{
    return Run(kSchemaQuery, kDrop, Statements::kDropW2);
}

int CompanyStore::DropW3Table()
{
    return Run(kSchemaQuery, kDrop, Statements::kDropW3);
}

int CompanyStore::DropForm1099Table()
{
    return Run(kSchemaQuery, kDrop, Statements::kDropForm1099);
}

int CompanyStore::DropForm1096Table()
{
    return Run(kSchemaQuery, kDrop, Statements::kDropForm1096);
}
