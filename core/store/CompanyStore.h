#pragma once

#include "core/store/Records.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

struct sqlite3;

// Access to one company store file: opens it through the store file shim,
// writes records with their values bound to statements built from the
// tables' column map, and reads result rows back into records. Every
// operation returns the engine's result code (0 = success).
class CompanyStore {
public:
    // Which table the current statement reads or writes.
    enum QueryKind {
        kNoQuery = 0,
        kCompanyQuery = 1,
        kEmployeesQuery = 2,
        kContractorsQuery = 3,
        kW2Query = 4,
        kForm1099Query = 5,
        kW3Query = 6,
        kForm1096Query = 7,
        kSchemaQuery = 8,
    };
    // Which statement of that table runs.
    enum Operation { kLoad, kUpdate, kInsert, kDelete, kCreate, kDrop };

    // Engine result codes the program looks at.
    static constexpr int kOk = 0;
    static constexpr int kError = 1;
    static constexpr int kCorrupt = 11;

    CompanyStore();
    virtual ~CompanyStore();
    CompanyStore(const CompanyStore&) = delete;
    CompanyStore& operator=(const CompanyStore&) = delete;

    // 0 on success, 1 on failure. An open handle is closed first; an empty
    // path fails; a missing (or empty) file is created as a new store. A
    // file that is not a store of this edition is never handed to the
    // engine (see StoreFileProblem): the open fails and LastFailure says
    // what the file is.
    int Open(const QString& path);
    // The same for a store that must exist already: a missing file fails
    // instead of being created (writes never leave an empty file behind).
    int OpenExisting(const QString& path);
    void Close();
    bool IsOpen() const { return db_ != nullptr; }

    // Runs a statement text (several separated by ";") and hands every
    // result row to the row handler. 1 when no store is open.
    int Execute(const QByteArray& statement);
    // The same with a row callback of the caller's; values and names are
    // the engine's texts (a NULL value is nullptr). Return non-zero from the
    // callback to stop.
    using RowCallback = std::function<int(int columns, char** values, char** names)>;
    int Execute(const QByteArray& statement, const RowCallback& onRow);

    // Rows changed by the last INSERT, UPDATE or DELETE (0 when no store is
    // open).
    int ChangedRows() const;

    // One transaction over several statements: Begin takes the write lock
    // at once, so a store another program is writing is refused up front;
    // Rollback undoes everything since Begin (and does nothing outside a
    // transaction).
    int Begin();
    int Commit();
    void Rollback();

    // Why the last open or statement that failed did, in words: the
    // system's reason when the engine met one on the file ("No space left on
    // device", "File too large", "Permission denied"), else the engine's
    // ("database is locked"); for a file that is no store, or a damaged
    // one, the program's own words ("it is empty", "it is damaged: ...").
    // Kept until the next failure.
    const QString& LastFailure() const { return lastFailure_; }
    void ForgetLastFailure() { lastFailure_.clear(); }

    // The engine's quick check of the whole file: 0 when it is sound,
    // kCorrupt when it finds damage, or the engine's error.
    int QuickCheck();

    // Where result rows go. Unset targets drop their rows.
    void SetTargets(CompanyRecord* company, EmployeeList* employees, ContractorList* contractors, W2List* w2s,
                    Form1099List* forms1099, W3List* w3s, Form1096Record* form1096);

    // Reading statements (one per table).
    int SelectCompany();
    int SelectEmployees();
    int SelectContractors();
    int SelectW2();
    int SelectForm1099();
    int SelectW3();
    int SelectForm1096();

    // Writing statements. Employees and contractors are written under the
    // given id; W-2 and 1099-MISC updates use the record's own id.
    int UpdateEmployee(const EmployeeRecord& record, int id);
    int InsertEmployee(const EmployeeRecord& record, int id);
    int DeleteEmployee(int id);
    int UpdateContractor(const ContractorRecord& record, int id);
    int InsertContractor(const ContractorRecord& record, int id);
    int DeleteContractor(int id);
    int UpdateW2(const W2Record& record);
    // The same with the shape of the other updates (the id is the record's own).
    int UpdateW2ById(const W2Record& record, int) { return UpdateW2(record); }
    int InsertW2(const W2Record& record, int id);
    int DeleteW2(int id);
    int UpdateForm1099(const Form1099Record& record);
    int UpdateForm1099ById(const Form1099Record& record, int) { return UpdateForm1099(record); }
    int InsertForm1099(const Form1099Record& record, int id);
    int DeleteForm1099(int id);
    int UpdateCompany(const CompanyRecord& record);
    int InsertCompany(const CompanyRecord& record, int id);

    // Schema statements.
    int CreateVersionTable();
    int CreateCompanyTable();
    int CreateEmployeesTable();
    int CreateContractorsTable();
    int CreateW2Table();
    int CreateForm1099Table();
    int CreateW3Table();
    int CreateForm1096Table();
    int DropVersionTable();
    int DropW2Table();
    int DropW3Table();
    int DropForm1099Table();
    int DropForm1096Table();

    // The statement text last run ("?" where a value is bound) and the
    // query it belongs to.
    const QByteArray& Statement() const { return statement_; }
    QueryKind CurrentQueryKind() const { return queryKind_; }
    Operation CurrentOperation() const { return operation_; }

    // The CREATE TABLE text of the table of `kind`.
    static QByteArray TableDefinition(QueryKind kind);

protected:
    // Called for every result row of Execute(statement); collects the row
    // into the target of the current query. Returns 0 to go on.
    virtual int OnRow(int columns, char** values, char** names);

private:
    class Binder;
    int OpenWithFlags(const QString& path, int flags);
    int NoteResult(int rc, sqlite3* db);
    int Run(QueryKind kind, Operation operation, QByteArray statement);
    // Runs one statement with its values bound by `bind`.
    int RunBound(QueryKind kind, Operation operation, const QByteArray& statement,
                 const std::function<void(Binder&)>& bind);
    template <class Record>
    int Select(QueryKind kind, std::vector<Record>* target);
    template <class Record>
    int Insert(QueryKind kind, const Record& record, int id);
    template <class Record>
    int Update(QueryKind kind, const Record& record, int id);
    template <class Record>
    int Delete(QueryKind kind, int id);

    sqlite3* db_ = nullptr;
    QString lastFailure_;
    QByteArray statement_;
    QueryKind queryKind_ = kNoQuery;
    Operation operation_ = kLoad;
    // Where the rows of the reading that runs go.
    std::function<void(int columns, char** values)> rowTarget_;

    CompanyRecord* company_ = nullptr;
    EmployeeList* employees_ = nullptr;
    ContractorList* contractors_ = nullptr;
    W2List* w2s_ = nullptr;
    Form1099List* forms1099_ = nullptr;
    W3List* w3s_ = nullptr;
    Form1096Record* form1096_ = nullptr;
};
