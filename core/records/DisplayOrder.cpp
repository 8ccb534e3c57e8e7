#include "core/records/DisplayOrder.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

namespace {

template <class List>
std::vector<int> OrderByFirstName(const List& list)
{
    std::vector<int> order(list.size());
    std::iota(order.begin(), order.end(), 0);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return collator.compare(list[size_t(a)].FirstName.Text(), list[size_t(b)].FirstName.Text()) < 0;
    });
    return order;
}

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

std::vector<int> FirstNameOrder(const EmployeeList& employees)
{
    return OrderByFirstName(employees);
}

std::vector<int> FirstNameOrder(const ContractorList& contractors)
{
    return OrderByFirstName(contractors);
}

std::vector<int> WholeDisplayOrder(std::vector<int> order, const EmployeeList& employees)
{
    return CoversList(order, int(employees.size())) ? order : FirstNameOrder(employees);
}

std::vector<int> WholeDisplayOrder(std::vector<int> order, const ContractorList& contractors)
{
    return CoversList(order, int(contractors.size())) ? order : FirstNameOrder(contractors);
}
