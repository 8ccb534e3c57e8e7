#include "core/import/CompanySetupCsv.h"

#include "core/import/CsvColumns.h"
#include "core/import/CsvValue.h"
#include "core/records/CompanyBoxes.h"

#include <QHash>

namespace {

// The box of each spelling of a column header (see CsvHeaderKey).
const QHash<QString, const CompanyBox*>& BoxesBySpelling()
{
    static const QHash<QString, const CompanyBox*> index = [] {
        QHash<QString, const CompanyBox*> spellings;
        for (const CompanyBox& box : CompanyBoxes()) {
            spellings.insert(CsvHeaderKey(QLatin1String(box.csvHeader)), &box);
            for (const char* spelling : box.csvSpellings)
                spellings.insert(CsvHeaderKey(QLatin1String(spelling)), &box);
        }
        return spellings;
    }();
    return index;
}

// The value `box` would take from `cell`: checked as the box checks what
// is typed into it.
CsvValue CheckBoxValue(const CompanyBox& box, const QString& cell)
{
    return CheckCsvValue(box.FileRule(), box.FileLength(), cell,
                         box.entry == CompanyEntry::Text ? box.pattern : nullptr);
}

} // namespace

std::vector<QStringList> CompanySetupCsvRecords(const CompanyRecord& company)
{
    QStringList header;
    QStringList values;
    for (const CompanyBox& box : CompanyBoxes()) {
        header << QLatin1String(box.csvHeader);
        values << box.FileValue(company);
    }
    return {header, values};
}

QByteArray ExportCompanySetupCsv(const CompanyRecord& company)
{
    return WriteCsvRecords(CompanySetupCsvRecords(company));
}

CompanySetupImport ReadCompanySetupCsv(const CsvTable& table, const CompanyRecord& stored)
{
    using namespace CompanySetupMessages;
    CompanySetupImport result;
    result.company = stored;

    // The box of each column; a second column of one box is left out.
    std::vector<const CompanyBox*> boxes;
    QHash<const CompanyBox*, int> columnOf;
    for (const QString& header : table.header) {
        const CompanyBox* box = BoxesBySpelling().value(CsvHeaderKey(header));
        if (box && columnOf.contains(box))
            box = nullptr;
        if (box)
            columnOf.insert(box, int(boxes.size()));
        else
            result.unmappedColumns << header;
        boxes.push_back(box);
    }
    if (columnOf.isEmpty()) {
        result.problems.push_back({table.headerLine, -1, QLatin1String(kNoColumn)});
        return result;
    }
    if (table.rows.empty()) {
        result.problems.push_back({table.headerLine, -1, QLatin1String(kNoValues)});
        return result;
    }
    const CsvRow& row = table.rows.front();
    const QStringList cells = row.Values(table.header.size());
    const int line = table.lines.front();
    if (row.AnyValueFrom(table.header.size()))
        result.problems.push_back(
            {line, -1, QString::fromUtf8(CsvPlanMessages::kExtraValues).arg(row.size()).arg(table.header.size())});
    for (int c = 0; c < int(boxes.size()) && c < cells.size(); ++c) {
        const CompanyBox* box = boxes[size_t(c)];
        if (!box)
            continue;
        const CsvValue value = CheckBoxValue(*box, cells[c]);
        if (!value.Accepted()) {
            result.problems.push_back({line, c, value.problem});
            continue;
        }
        // An empty cell keeps what is stored, and so does a value that only
        // spells the stored one another way ("or" for "OR"): a box the file
        // does not change is never rewritten.
        const QString storedValue = box->FileValue(stored);
        if (value.text.isEmpty() || value.text == CheckBoxValue(*box, storedValue).text)
            continue;
        box->SetFileValue(result.company, value.text);
        result.changedBoxes << QLatin1String(box->csvHeader);
    }
    if (result.company.EmployerName.IsEmpty())
        result.problems.push_back({line, -1, QLatin1String(kEmptyEmployerName)});
    for (size_t r = 1; r < table.rows.size(); ++r)
        result.problems.push_back({table.lines[r], -1, QLatin1String(kSecondLine)});
    return result;
}
