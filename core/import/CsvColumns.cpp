#include "core/import/CsvColumns.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <iterator>

namespace {

// The boxes of `table` that a CSV column holds, in table order.
template <class Box>
std::vector<Box> CsvColumnsOf(const std::vector<Box>& table)
{
    std::vector<Box> columns;
    std::copy_if(table.begin(), table.end(), std::back_inserter(columns),
                 [](const Box& box) { return !box.csvHeader.isEmpty(); });
    return columns;
}

// Words a header may begin with that say whose value it is; a header that
// matches nothing is tried again without them ("Employee SSN",
// "W-2 Box 1", "Recipient's City").
constexpr const char* kOwnerPrefixes[] = {"employees",    "employee",   "emp",   "recipients", "recipient",
                                          "contractors",  "contractor", "payee", "vendor",     "w2",
                                          "form1099misc", "1099misc",   "1099"};

template <class Box>
QHash<QString, int> SpellingIndex(const std::vector<Box>& columns)
{
    QHash<QString, int> index;
    for (int f = 0; f < int(columns.size()); ++f) {
        index.insert(CsvHeaderKey(columns[size_t(f)].csvHeader), f);
        for (const QString& spelling : columns[size_t(f)].csvSpellings)
            index.insert(CsvHeaderKey(spelling), f);
    }
    return index;
}

const QHash<QString, int>& SpellingsOf(PeopleKind kind)
{
    static const QHash<QString, int> employees = SpellingIndex(EmployeeCsvColumns());
    static const QHash<QString, int> contractors = SpellingIndex(ContractorCsvColumns());
    return kind == PeopleKind::Employees ? employees : contractors;
}

int MatchKey(const QHash<QString, int>& spellings, const QString& key)
{
    const auto it = spellings.constFind(key);
    if (it != spellings.constEnd())
        return *it;
    for (const char* prefix : kOwnerPrefixes) {
        const QLatin1String p(prefix);
        if (key.startsWith(p) && key.size() > p.size())
            if (const int field = MatchKey(spellings, key.mid(p.size())); field >= 0)
                return field;
    }
    return -1;
}

} // namespace

const std::vector<W2Box>& EmployeeCsvColumns()
{
    static const std::vector<W2Box> columns = CsvColumnsOf(W2Boxes());
    return columns;
}

const std::vector<Form1099Box>& ContractorCsvColumns()
{
    static const std::vector<Form1099Box> columns = CsvColumnsOf(Form1099Boxes());
    return columns;
}

QStringList CsvFieldHeaders(PeopleKind kind)
{
    QStringList headers;
    auto collect = [&headers](const auto& columns) {
        for (const auto& column : columns)
            headers << column.csvHeader;
    };
    if (kind == PeopleKind::Employees)
        collect(EmployeeCsvColumns());
    else
        collect(ContractorCsvColumns());
    return headers;
}

QString CsvHeaderKey(const QString& header)
{
    QString key;
    key.reserve(header.size());
    for (const QChar c : header)
        if (c.isLetterOrNumber())
            key += c.toLower();
    return key;
}

std::vector<int> MatchCsvHeader(PeopleKind kind, const QStringList& header)
{
    const QHash<QString, int>& spellings = SpellingsOf(kind);
    std::vector<int> mapping;
    QSet<int> taken;
    for (const QString& column : header) {
        const int field = MatchKey(spellings, CsvHeaderKey(column));
        if (field >= 0 && !taken.contains(field)) {
            taken.insert(field);
            mapping.push_back(field);
        } else {
            mapping.push_back(-1);
        }
    }
    return mapping;
}
