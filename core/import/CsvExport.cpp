#include "core/import/CsvExport.h"

#include "core/import/CsvImportPlan.h"
#include "core/import/CsvTable.h"

namespace {

template <class Row>
std::vector<QStringList> Records(const std::vector<CsvField<Row>>& fields, const std::vector<Row>& rows)
{
    std::vector<QStringList> records;
    records.reserve(rows.size() + 1);
    QStringList header;
    for (const CsvField<Row>& field : fields)
        header << field.header;
    records.push_back(header);
    for (const Row& row : rows) {
        QStringList record;
        record.reserve(header.size());
        for (const CsvField<Row>& field : fields) {
            const QString value = field.get(row);
            record << (field.rule == CsvValueRule::State ? value.trimmed() : value);
        }
        records.push_back(record);
    }
    return records;
}

} // namespace

std::vector<QStringList> CsvExportRecords(PeopleKind kind, const CompanyData& data)
{
    if (kind == PeopleKind::Employees)
        return Records(EmployeeCsvFields(), EmployeesWithW2s(data));
    return Records(ContractorCsvFields(), ContractorsWith1099s(data));
}

QByteArray ExportPeopleCsv(PeopleKind kind, const CompanyData& data)
{
    return WriteCsvRecords(CsvExportRecords(kind, data));
}
