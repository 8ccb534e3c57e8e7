#include "core/wage/WageScreenPrint.h"

#include "core/records/DisplayOrder.h"
#include "core/wage/W2PrintJob.h"
#include "core/wage/W3PrintJob.h"

bool W2PrintHasForms(const CompanyData& data, const PrintW2Options& options)
{
    return options.Target == PrintTarget::All ? !data.w2s.empty() && !data.employees.empty() : !data.employees.empty();
}

std::unique_ptr<PrintJob> MakeW2ScreenJob(const CompanyData& data, const PrintW2Options& options,
                                          const std::vector<int>& displayOrder, int currentEmployeeIndex)
{
    std::vector<int> order = WholeDisplayOrder(displayOrder, data.employees);
    if (currentEmployeeIndex < 0 || currentEmployeeIndex >= int(data.employees.size()))
        currentEmployeeIndex = order.empty() ? 0 : order.front();
    return std::make_unique<W2PrintJob>(data.company, data.employees, data.w2s, options, std::move(order),
                                        currentEmployeeIndex);
}

std::unique_ptr<PrintJob> MakeW3ScreenJob(const CompanyData& data, const PrintW3Options& options)
{
    return std::make_unique<W3PrintJob>(data.company, data.employees, data.w2s, options);
}
