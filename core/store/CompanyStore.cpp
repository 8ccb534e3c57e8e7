#include "core/store/CompanyStore.h"

#include "core/store/RecordColumns.h"
#include "core/store/RecordRows.h"
#include "core/store/Statements.h"
#include "core/store/StoreFileKind.h"
#include "core/store/StoreFileVfs.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/resource.h>

namespace {

// The engine found damage inside a store of this edition.
constexpr char kDamagedStore[] = "it is damaged: the check of its contents found errors";

struct CallerContext {
    const CompanyStore::RowCallback* onRow;
};

int CallerCallback(void* context, int columns, char** values, char** names)
{
    return (*static_cast<CallerContext*>(context)->onRow)(columns, values, names);
}

// The statements of a table, built from its column map.
template <class Record>
QByteArray SelectStatement()
{
    const QByteArray table = TableOf<Record>::kName;
    QByteArrayList columns;
    for (const QByteArray& name : ReadColumnNames<Record>())
        columns << table + '.' + name;
    return "SELECT " + columns.join(',') + " FROM " + table;
}

template <class Record>
QByteArray CreateStatement()
{
    QByteArrayList columns;
    Record layout;
    VisitColumns(layout, [&](const ColumnSpec& column, const auto&) {
        QByteArray text = column.name;
        if (column.role == ColumnRole::Key)
            text += " INTEGER PRIMARY KEY";
        else if (column.width == 0)
            text += " INTEGER";
        else
            text += " NVARCHAR(" + QByteArray::number(column.width) + ')';
        columns << text;
    });
    return QByteArray("CREATE TABLE ") + TableOf<Record>::kName + '(' + columns.join(',') + ");";
}

template <class Record>
QByteArray InsertStatement()
{
    QByteArrayList marks;
    Record layout;
    VisitColumns(layout, [&](const ColumnSpec&, const auto&) { marks << "?"; });
    return QByteArray("INSERT INTO ") + TableOf<Record>::kName + " VALUES(" + marks.join(',') + ");";
}

// Every Value column; the row is the one of its key (the company's table
// has one row, which an update takes without naming it).
template <class Record>
QByteArray UpdateStatement()
{
    QByteArrayList sets;
    QByteArray key;
    Record layout;
    VisitColumns(layout, [&](const ColumnSpec& column, const auto&) {
        if (column.role == ColumnRole::Value)
            sets << QByteArray(column.name) + "=?";
        else if (column.role == ColumnRole::Key)
            key = column.name;
    });
    QByteArray text = QByteArray("UPDATE ") + TableOf<Record>::kName + " SET " + sets.join(',');
    if (!std::is_same_v<Record, CompanyRecord>)
        text += " WHERE " + key + "=?";
    return text + ';';
}

template <class Record>
QByteArray DeleteStatement()
{
    QByteArray key;
    Record layout;
    VisitColumns(layout, [&](const ColumnSpec& column, const auto&) {
        if (column.role == ColumnRole::Key)
            key = column.name;
    });
    return QByteArray("DELETE FROM ") + TableOf<Record>::kName + " WHERE " + key + "=?;";
}

} // namespace

// The values of a statement, bound to its "?" in order: texts as the record
// keeps them, numbers as numbers (each column's type is what it always
// was, so a store written now holds what it always held).
class CompanyStore::Binder {
public:
    explicit Binder(sqlite3_stmt* statement)
        : statement_(statement)
    {
    }
    void Text(const QString& text)
    {
        const QByteArray utf8 = text.toUtf8();
        Check(sqlite3_bind_text(statement_, ++index_, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT));
    }
    void Number(int value) { Check(sqlite3_bind_int(statement_, ++index_, value)); }
    bool Complete() const { return ok_ && index_ == sqlite3_bind_parameter_count(statement_); }

    // Each column's value for an insert (every column) or an update (the
    // Value columns); `id` is the key's.
    template <class Record>
    void Columns(const Record& record, int id, bool insert)
    {
        VisitColumns(record, [&](const ColumnSpec& column, const auto& field) {
            using Field = std::remove_cvref_t<decltype(field)>;
            if (column.role == ColumnRole::Key) {
                if (insert)
                    Number(id);
            } else if (column.role == ColumnRole::Fixed && !insert) {
                return;
            } else if constexpr (kIsIntegerColumn<Field>) {
                Number(field);
            } else if constexpr (kIsCompanyIdColumn<Field>) {
                Number(Field::kValue);
            } else if constexpr (kIsUnusedColumn<Field>) {
                Text(QString::fromLatin1(insert ? field.inserted : field.updated));
            } else {
                Text(field.Text());
            }
        });
    }

private:
    void Check(int rc) { ok_ = ok_ && rc == SQLITE_OK; }

    sqlite3_stmt* statement_;
    int index_ = 0;
    bool ok_ = true;
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

void CompanyStore::SetTargets(CompanyRecord* company, EmployeeList* employees, ContractorList* contractors, W2List* w2s,
                              Form1099List* forms1099, W3List* w3s, Form1096Record* form1096)
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

int CompanyStore::RunBound(QueryKind kind, Operation operation, const QByteArray& statement,
                           const std::function<void(Binder&)>& bind)
{
    statement_.clear();
    queryKind_ = kind;
    operation_ = operation;
    if (!db_)
        return kError;
    statement_ = statement;
    sqlite3_stmt* prepared = nullptr;
    int rc = sqlite3_prepare_v2(db_, statement.constData(), int(statement.size()), &prepared, nullptr);
    if (rc != SQLITE_OK)
        return NoteResult(rc, db_);
    Binder binder(prepared);
    bind(binder);
    if (!binder.Complete()) {
        sqlite3_finalize(prepared);
        lastFailure_ = QStringLiteral("a statement did not get all its values");
        return kError;
    }
    rc = sqlite3_step(prepared);
    if (rc == SQLITE_DONE || rc == SQLITE_ROW)
        rc = SQLITE_OK;
    const int finalized = sqlite3_finalize(prepared);
    return NoteResult(rc != SQLITE_OK ? rc : finalized, db_);
}

template <class Record>
int CompanyStore::Insert(QueryKind kind, const Record& record, int id)
{
    static const QByteArray statement = InsertStatement<Record>();
    return RunBound(kind, kInsert, statement, [&](Binder& b) { b.Columns(record, id, true); });
}

template <class Record>
int CompanyStore::Update(QueryKind kind, const Record& record, int id)
{
    static const QByteArray statement = UpdateStatement<Record>();
    return RunBound(kind, kUpdate, statement, [&](Binder& b) {
        b.Columns(record, id, false);
        if constexpr (!std::is_same_v<Record, CompanyRecord>)
            b.Number(id);
    });
}

template <class Record>
int CompanyStore::Delete(QueryKind kind, int id)
{
    static const QByteArray statement = DeleteStatement<Record>();
    return RunBound(kind, kDelete, statement, [&](Binder& b) { b.Number(id); });
}

template <class Record>
int CompanyStore::Select(QueryKind kind, std::vector<Record>* target)
{
    static const QByteArray statement = SelectStatement<Record>();
    rowTarget_ = [target](int columns, char** values) {
        if (target)
            target->push_back(RecordFromRow<Record>(values, columns));
    };
    const int rc = Run(kind, kLoad, statement);
    rowTarget_ = nullptr;
    return rc;
}

int CompanyStore::OnRow(int columns, char** values, char**)
{
    if (rowTarget_)
        rowTarget_(columns, values);
    return 0;
}

// ---- reading ----

int CompanyStore::SelectCompany()
{
    std::vector<CompanyRecord> rows;
    const int rc = Select(kCompanyQuery, company_ ? &rows : nullptr);
    if (company_) {
        // The last row, as reading every row into the one record leaves it.
        if (!rows.empty())
            *company_ = rows.back();
        // The store's company is always company 1.
        company_->CompanyUniqueID = 1;
    }
    return rc;
}

int CompanyStore::SelectEmployees()
{
    return Select(kEmployeesQuery, employees_);
}

int CompanyStore::SelectContractors()
{
    return Select(kContractorsQuery, contractors_);
}

int CompanyStore::SelectW2()
{
    return Select(kW2Query, w2s_);
}

int CompanyStore::SelectForm1099()
{
    const int rc = Select(kForm1099Query, forms1099_);
    if (forms1099_)
        KeepFirstFormOfEachOwner(*forms1099_);
    return rc;
}

int CompanyStore::SelectW3()
{
    return Select(kW3Query, w3s_);
}

int CompanyStore::SelectForm1096()
{
    std::vector<Form1096Record> rows;
    const int rc = Select(kForm1096Query, form1096_ ? &rows : nullptr);
    if (form1096_ && !rows.empty())
        *form1096_ = rows.back();
    return rc;
}

QByteArray CompanyStore::TableDefinition(QueryKind kind)
{
    switch (kind) {
    case kCompanyQuery:
        return CreateStatement<CompanyRecord>();
    case kEmployeesQuery:
        return CreateStatement<EmployeeRecord>();
    case kContractorsQuery:
        return CreateStatement<ContractorRecord>();
    case kW2Query:
        return CreateStatement<W2Record>();
    case kForm1099Query:
        return CreateStatement<Form1099Record>();
    case kW3Query:
        return CreateStatement<W3Record>();
    case kForm1096Query:
        return CreateStatement<Form1096Record>();
    case kNoQuery:
    case kSchemaQuery:
        break;
    }
    return {};
}

// ---- writing ----

int CompanyStore::UpdateEmployee(const EmployeeRecord& record, int id)
{
    return Update(kEmployeesQuery, record, id);
}

int CompanyStore::InsertEmployee(const EmployeeRecord& record, int id)
{
    return Insert(kEmployeesQuery, record, id);
}

int CompanyStore::DeleteEmployee(int id)
{
    return Delete<EmployeeRecord>(kEmployeesQuery, id);
}

int CompanyStore::UpdateContractor(const ContractorRecord& record, int id)
{
    return Update(kContractorsQuery, record, id);
}

int CompanyStore::InsertContractor(const ContractorRecord& record, int id)
{
    return Insert(kContractorsQuery, record, id);
}

int CompanyStore::DeleteContractor(int id)
{
    return Delete<ContractorRecord>(kContractorsQuery, id);
}

int CompanyStore::UpdateW2(const W2Record& record)
{
    return Update(kW2Query, record, record.W2UniqueID);
}

int CompanyStore::InsertW2(const W2Record& record, int id)
{
    return Insert(kW2Query, record, id);
}

int CompanyStore::DeleteW2(int id)
{
    return Delete<W2Record>(kW2Query, id);
}

int CompanyStore::UpdateForm1099(const Form1099Record& record)
{
    return Update(kForm1099Query, record, record.Form1099UniqueID);
}

int CompanyStore::InsertForm1099(const Form1099Record& record, int id)
{
    return Insert(kForm1099Query, record, id);
}

int CompanyStore::DeleteForm1099(int id)
{
    return Delete<Form1099Record>(kForm1099Query, id);
}

int CompanyStore::UpdateCompany(const CompanyRecord& record)
{
    return Update(kCompanyQuery, record, record.CompanyUniqueID);
}

int CompanyStore::InsertCompany(const CompanyRecord& record, int id)
{
    return Insert(kCompanyQuery, record, id);
}

// ---- schema ----

int CompanyStore::CreateVersionTable()
{
    return Run(kSchemaQuery, kCreate, Statements::kCreateVersion);
}

int CompanyStore::CreateCompanyTable()
{
    return Run(kCompanyQuery, kCreate, CreateStatement<CompanyRecord>());
}

int CompanyStore::CreateEmployeesTable()
{
    return Run(kEmployeesQuery, kCreate, CreateStatement<EmployeeRecord>());
}

int CompanyStore::CreateContractorsTable()
{
    return Run(kContractorsQuery, kCreate, CreateStatement<ContractorRecord>());
}

int CompanyStore::CreateW2Table()
{
    return Run(kW2Query, kCreate, CreateStatement<W2Record>());
}

int CompanyStore::CreateForm1099Table()
{
    return Run(kForm1099Query, kCreate, CreateStatement<Form1099Record>());
}

int CompanyStore::CreateW3Table()
{
    return Run(kW3Query, kCreate, CreateStatement<W3Record>());
}

int CompanyStore::CreateForm1096Table()
{
    return Run(kForm1096Query, kCreate, CreateStatement<Form1096Record>());
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
