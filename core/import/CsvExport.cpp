#include "core/import/CsvExport.h"

#include "core/import/CsvImportPlan.h"
#include "core/import/CsvTable.h"

namespace {

template <class Box>
std::vector<QStringList> Records(const std::vector<Box>& fields, const std::vector<typename Box::Row>& rows)
{
    std::vector<QStringList> records;
    records.reserve(rows.size() + 1);
    QStringList header;
    for (const Box& field : fields)
        header << field.csvHeader;
    records.push_back(header);
    for (const typename Box::Row& row : rows) {
        QStringList record;
        record.reserve(header.size());
        for (const Box& field : fields) {
            const QString value = field.Value(row);
            record << (field.valueRule == CsvValueRule::State ? value.trimmed() : value);
        }
        records.push_back(record);
    }
    return records;
}

} // namespace

std::vector<QStringList> CsvExportRecords(PeopleKind kind, const CompanyData& data)
{
    if (kind == PeopleKind::Employees)
        return Records(EmployeeCsvColumns(), EmployeesWithW2s(data));
    return Records(ContractorCsvColumns(), ContractorsWith1099s(data));
}

QByteArray ExportPeopleCsv(PeopleKind kind, const CompanyData& data)
{
    return WriteCsvRecords(CsvExportRecords(kind, data));
}
