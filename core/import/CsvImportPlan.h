#pragma once

#include "core/import/CsvColumns.h"
#include "core/import/CsvTable.h"
#include "core/records/PersonAndForm.h"
#include "core/store/CompanyData.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// What an import would do with each row of a CSV file, before anything is
// stored: which rows add a person, which update the person of the same
// number, and which are refused, with every problem found. The rows to
// import are complete records: for an update, the stored person and form
// with the file's values on top (an empty cell keeps the stored value).

enum class CsvRowAction { Add, Update, Unchanged, Refused };

struct CsvProblem {
    int line = 0;    // the file line of the row
    int column = -1; // the column (from 0), or -1 for the row as a whole
    QString message;
};

struct CsvPlanRow {
    int line = 0;
    CsvRowAction action = CsvRowAction::Refused;
    QString number; // social security or identification number, as kept
    QString name;   // first and last name
    std::vector<CsvProblem> problems;
};

// Called now and then while the rows are checked; returning false stops.
using CsvProgress = std::function<bool(int done, int total)>;

class CsvImportPlan {
public:
    // Checks every row of `table` with the columns mapped by `mapping` (the
    // field of each column, -1 for none; see MatchCsvHeader) against the
    // company `data`. A plan whose progress was stopped is Cancelled().
    static CsvImportPlan Build(PeopleKind kind, const CsvTable& table, const std::vector<int>& mapping,
                               const CompanyData& data, const CsvProgress& progress = CsvProgress());

    PeopleKind Kind() const { return kind_; }
    const std::vector<CsvPlanRow>& Rows() const { return rows_; }
    int Adds() const { return adds_; }
    int Updates() const { return updates_; }
    int Unchanged() const { return unchanged_; } // updates that change nothing
    int Refused() const { return refused_; }
    bool Cancelled() const { return cancelled_; }
    // Why nothing at all can be imported (no column of the number), or empty.
    const QString& Blocker() const { return blocker_; }

    // The rows to import, in file order: of the employees or of the
    // contractors, as the kind says.
    const std::vector<EmployeeWithW2>& Employees() const { return employees_; }
    const std::vector<ContractorWith1099>& Contractors() const { return contractors_; }

    // "38 to add, 2 to update, 0 unchanged, 1 with errors (not imported)":
    // the plan in a line.
    QString Summary() const;

private:
    template <class Box>
    void BuildRows(const std::vector<Box>& columns, const CsvTable& table, const std::vector<int>& mapping,
                   const std::vector<typename Box::Row>& stored, std::vector<typename Box::Row>& accepted,
                   const CsvProgress& progress);

    PeopleKind kind_ = PeopleKind::Employees;
    std::vector<CsvPlanRow> rows_;
    std::vector<EmployeeWithW2> employees_;
    std::vector<ContractorWith1099> contractors_;
    int adds_ = 0;
    int updates_ = 0;
    int unchanged_ = 0;
    int refused_ = 0;
    bool cancelled_ = false;
    QString blocker_;
};

// The columns of `header` that `mapping` leaves out, as messages show
// them (ShownCsvValue).
QStringList UnmappedColumns(const QStringList& header, const std::vector<int>& mapping);

// A problem as one line: "Line 5, column 3 "Zip": ...".
QString DescribeCsvProblem(const CsvProblem& problem, const QStringList& header);

// The people of `data` with their forms, in list order: every employee with
// its W-2 (an empty one when it has none), every contractor with its
// 1099-MISC.
std::vector<EmployeeWithW2> EmployeesWithW2s(const CompanyData& data);
std::vector<ContractorWith1099> ContractorsWith1099s(const CompanyData& data);

namespace CsvPlanMessages {
inline constexpr char kNoEmployeeNumber[] =
    "No column holds the social security number, which tells the employees apart. Choose the column that holds it.";
inline constexpr char kNoContractorNumber[] = "No column holds the identification number (TIN), which tells the "
                                              "contractors apart. Choose the column that holds it.";
inline constexpr char kSameNumber[] = "%1 is on line %2 already; a person has one row";
inline constexpr char kExtraValues[] = "The line has %1 values, the header has %2 columns";
} // namespace CsvPlanMessages
