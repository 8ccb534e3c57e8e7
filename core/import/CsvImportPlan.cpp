#include "core/import/CsvImportPlan.h"

#include "core/import/CsvValue.h"
#include "core/records/PersonKey.h"
#include "core/records/RecordChecks.h"
#include "core/records/StateTable.h"

#include <QHash>

#include <algorithm>
#include <type_traits>

namespace {

constexpr int kProgressStep = 500;

// The field each refusal of a new person's check speaks of, so that the
// preview can point at its column.
int FieldOfRefusal(PeopleKind kind, const QString& refusal)
{
    static const QHash<QString, QString> headers = {
        {QLatin1String(EmployeeMessages::kSsnEmpty), QStringLiteral("SSN")},
        {QLatin1String(EmployeeMessages::kFirstNameEmpty), QStringLiteral("First Name")},
        {QLatin1String(EmployeeMessages::kLastNameEmpty), QStringLiteral("Last Name")},
        {QLatin1String(ContractorMessages::kIdNumberEmpty), QStringLiteral("TIN")},
        {QLatin1String(ContractorMessages::kFirstNameEmpty), QStringLiteral("First Name")},
        {QLatin1String(ContractorMessages::kLastNameEmpty), QStringLiteral("Last Name")},
        {QLatin1String(ContractorMessages::kAddress1Empty), QStringLiteral("Address 1")},
        {QLatin1String(ContractorMessages::kCityEmpty), QStringLiteral("City")},
        {QLatin1String(ContractorMessages::kStateNotChosen), QStringLiteral("State")},
        {QLatin1String(ContractorMessages::kZipEmpty), QStringLiteral("Zip")},
    };
    const auto it = headers.constFind(refusal);
    return it == headers.constEnd() ? -1 : int(CsvFieldHeaders(kind).indexOf(*it));
}

int ColumnOf(const std::vector<int>& mapping, int field)
{
    for (size_t c = 0; c < mapping.size(); ++c)
        if (mapping[c] == field)
            return int(c);
    return -1;
}

// The checks of the Employee and Contractor dialogs for a new person. The
// number was matched against the company already (a known number updates
// its person), so no list is needed here.
QString CheckNewPerson(const EmployeeWithW2& row)
{
    return CheckNewEmployee(row.person, {});
}

QString CheckNewPerson(const ContractorWith1099& row)
{
    return CheckNewContractor(row.person, {});
}

// A person as a new one starts: as the dialogs leave a state not chosen.
template <class Row>
Row NewRow()
{
    Row row;
    row.person.State = QLatin1String(kNoState);
    return row;
}

template <class Person, class Form>
std::vector<PersonAndForm<Person, Form>> PeopleWithForms(const std::vector<Person>& people,
                                                         const std::vector<Form>& forms, int Person::*personId,
                                                         int Form::*owner)
{
    QHash<int, size_t> formOf;
    for (size_t i = forms.size(); i-- > 0;)
        formOf.insert(forms[i].*owner, i); // the first form of an owner wins
    std::vector<PersonAndForm<Person, Form>> rows;
    rows.reserve(people.size());
    for (const Person& person : people) {
        const auto it = formOf.constFind(person.*personId);
        rows.push_back({person, it != formOf.constEnd() ? forms[*it] : Form()});
    }
    return rows;
}

} // namespace

std::vector<EmployeeWithW2> EmployeesWithW2s(const CompanyData& data)
{
    return PeopleWithForms(data.employees, data.w2s, &EmployeeRecord::EmployeeUniqueID, &W2Record::EmployeeUniqueID);
}

std::vector<ContractorWith1099> ContractorsWith1099s(const CompanyData& data)
{
    return PeopleWithForms(data.contractors, data.forms1099, &ContractorRecord::ContractorUniqueID,
                           &Form1099Record::ContractorUniqueID);
}

CsvImportPlan CsvImportPlan::Build(PeopleKind kind, const CsvTable& table, const std::vector<int>& mapping,
                                   const CompanyData& data, const CsvProgress& progress)
{
    CsvImportPlan plan;
    plan.kind_ = kind;
    if (kind == PeopleKind::Employees)
        plan.BuildRows(EmployeeCsvColumns(), table, mapping, EmployeesWithW2s(data), plan.employees_, progress);
    else
        plan.BuildRows(ContractorCsvColumns(), table, mapping, ContractorsWith1099s(data), plan.contractors_, progress);
    return plan;
}

template <class Box>
void CsvImportPlan::BuildRows(const std::vector<Box>& fields, const CsvTable& table, const std::vector<int>& mapping,
                              const std::vector<typename Box::Row>& stored, std::vector<typename Box::Row>& accepted,
                              const CsvProgress& progress)
{
    using Row = typename Box::Row;
    const int numberColumn = ColumnOf(mapping, kCsvNumberField);
    if (numberColumn < 0) {
        blocker_ = QLatin1String(std::is_same_v<Row, EmployeeWithW2> ? CsvPlanMessages::kNoEmployeeNumber
                                                                     : CsvPlanMessages::kNoContractorNumber);
        return;
    }
    const Box& numberField = fields[kCsvNumberField];
    QHash<QString, size_t> storedByNumber;
    for (size_t i = 0; i < stored.size(); ++i) {
        const QString key = PersonKey(numberField.Value(stored[i]));
        if (!key.isEmpty() && !storedByNumber.contains(key))
            storedByNumber.insert(key, i);
    }
    QHash<QString, int> lineOfNumber; // the first row of each number in the file

    const int total = int(table.rows.size());
    const int columns = int(table.header.size());
    rows_.reserve(size_t(total));
    accepted.reserve(size_t(total));
    for (int r = 0; r < total; ++r) {
        if (progress && r % kProgressStep == 0 && !progress(r, total)) {
            cancelled_ = true;
            return;
        }
        const CsvRow& row = table.rows[size_t(r)];
        const QStringList cells = row.Values(columns);
        CsvPlanRow planned;
        planned.line = table.lines[size_t(r)];
        auto problem = [&](int column, const QString& message) {
            planned.problems.push_back({planned.line, column, message});
        };
        if (row.AnyValueFrom(columns))
            problem(-1, QString::fromUtf8(CsvPlanMessages::kExtraValues).arg(row.size()).arg(columns));

        const CsvValue number = CheckCsvValue(numberField.valueRule, numberField.capacity,
                                              numberColumn < cells.size() ? cells[numberColumn] : QString());
        const QString key = number.Accepted() ? PersonKey(number.text) : QString();
        const auto match = key.isEmpty() ? storedByNumber.constEnd() : storedByNumber.constFind(key);
        const bool update = match != storedByNumber.constEnd();
        Row record = update ? stored[*match] : NewRow<Row>();

        for (int c = 0; c < int(mapping.size()); ++c) {
            if (mapping[size_t(c)] < 0)
                continue;
            const Box& field = fields[size_t(mapping[size_t(c)])];
            const CsvValue value = CheckCsvValue(field.valueRule, field.capacity,
                                                 c < cells.size() ? cells[c] : QString());
            if (!value.Accepted())
                problem(c, value.problem);
            else if (!value.text.isEmpty() && !(update && c == numberColumn))
                field.SetValue(record, value.text);
        }

        if (!key.isEmpty()) {
            const auto first = lineOfNumber.constFind(key);
            if (first != lineOfNumber.constEnd())
                problem(numberColumn, QString::fromUtf8(CsvPlanMessages::kSameNumber).arg(number.text).arg(*first));
            else
                lineOfNumber.insert(key, planned.line);
        }
        if (!update) {
            // Said once: a value refused above leaves its field empty.
            const QString refusal = CheckNewPerson(record);
            const int column = ColumnOf(mapping, FieldOfRefusal(kind_, refusal));
            const bool said = std::any_of(planned.problems.begin(), planned.problems.end(),
                                          [column](const CsvProblem& p) { return column >= 0 && p.column == column; });
            if (!refusal.isEmpty() && !said)
                problem(column, refusal);
        }

        planned.number = numberField.Value(record);
        planned.name =
            (fields[kCsvFirstNameField].Value(record) + u' ' + fields[kCsvLastNameField].Value(record)).trimmed();
        if (!planned.problems.empty()) {
            planned.action = CsvRowAction::Refused;
            ++refused_;
        } else if (update && record == stored[*match]) {
            planned.action = CsvRowAction::Unchanged;
            ++unchanged_;
        } else {
            planned.action = update ? CsvRowAction::Update : CsvRowAction::Add;
            ++(update ? updates_ : adds_);
            accepted.push_back(std::move(record));
        }
        rows_.push_back(std::move(planned));
    }
    if (progress)
        progress(total, total);
}

QString CsvImportPlan::Summary() const
{
    return QStringLiteral("%1 to add, %2 to update, %3 unchanged, %4 with errors (not imported)")
        .arg(adds_)
        .arg(updates_)
        .arg(unchanged_)
        .arg(refused_);
}

QStringList UnmappedColumns(const QStringList& header, const std::vector<int>& mapping)
{
    QStringList unmapped;
    for (qsizetype c = 0; c < header.size(); ++c)
        if (size_t(c) >= mapping.size() || mapping[size_t(c)] < 0)
            unmapped << ShownCsvValue(header[c]);
    return unmapped;
}

QString DescribeCsvProblem(const CsvProblem& problem, const QStringList& header)
{
    if (problem.column < 0)
        return QStringLiteral("Line %1: %2").arg(problem.line).arg(problem.message);
    return QStringLiteral("Line %1, column %2 \"%3\": %4")
        .arg(problem.line)
        .arg(problem.column + 1)
        .arg(problem.column < header.size() ? ShownCsvValue(header[problem.column]) : QString(), problem.message);
}
