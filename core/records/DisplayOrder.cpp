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

} // namespace

std::vector<int> FirstNameOrder(const EmployeeList& employees)
{
    return OrderByFirstName(employees);
}

std::vector<int> FirstNameOrder(const ContractorList& contractors)
{
    return OrderByFirstName(contractors);
}
