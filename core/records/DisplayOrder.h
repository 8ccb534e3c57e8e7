#pragma once

#include "core/store/Records.h"

#include <vector>

// The order in which the employee and contractor lists show their records
// after a refresh: ascending by first name (locale-aware, without regard to
// case), records with equal names in list order. Returns list indexes.
// Printing "all" forms and stepping through forms follow the lists' order.
std::vector<int> FirstNameOrder(const EmployeeList& employees);
std::vector<int> FirstNameOrder(const ContractorList& contractors);

// `order` when it names every index of `list` once (a screen's display
// order taken for a print), else the list's first-name order.
std::vector<int> WholeDisplayOrder(std::vector<int> order, const EmployeeList& employees);
std::vector<int> WholeDisplayOrder(std::vector<int> order, const ContractorList& contractors);
