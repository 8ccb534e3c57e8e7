#include "core/wage/WageScreenPrint.h"

#include "core/records/DisplayOrder.h"
#include "core/wage/W2PrintJob.h"
#include "core/wage/W3PrintJob.h"

#include <algorithm>

namespace {

// An order that names every list index once.
bool CoversList(std::vector<int> order, int count)
{
    if (int(order.size()) != count)
        return false;
    std::sort(order.begin(), order.end());
    for (int i = 0; i < count; ++i)
        if (order[size_t(i)] != i)
            return false;
    return true;
}

} // namespace

bool W2PrintHasForms(const CompanyData& data)
{
    return !data.employees.empty();
}

std::unique_ptr<PrintJob> MakeW2ScreenJob(const CompanyData& data, const PrintW2Options& options,
                                          const std::vector<int>& displayOrder, int currentEmployeeIndex,
                                          const PrinterMargins& margins)
{
    std::vector<int> order = displayOrder;
    if (!CoversList(order, int(data.employees.size())))
        order = FirstNameOrder(data.employees);
    if (currentEmployeeIndex < 0 || currentEmployeeIndex >= int(data.employees.size()))
        currentEmployeeIndex = order.empty() ? 0 : order.front();
    return std::make_unique<W2PrintJob>(data.company, data.employees, data.w2s, options, std::move(order),
                                        currentEmployeeIndex, margins);
}

std::unique_ptr<PrintJob> MakeW3ScreenJob(const CompanyData& data, const PrintW3Options& options,
                                          const PrinterMargins& margins)
{
    return std::make_unique<W3PrintJob>(data.company, data.employees, data.w2s, options, margins);
}
