#pragma once

#include "core/print/PrintJob.h"
#include "core/print/WagePrintOptions.h"
#include "core/store/CompanyData.h"

#include <memory>
#include <vector>

// The print jobs the W-2 and W-3 screens start, once the options are
// chosen. The pages are laid out from the paper's corner and so do not
// depend on the printer: the same options give the same pages on paper,
// in a PDF and in the preview.

// Whether a W-2 print has anything to print: all W-2s need W-2 rows (and
// then every employee prints, one whose row a damaged store lost with
// empty boxes), the current one an employee.
bool W2PrintHasForms(const CompanyData& data, const PrintW2Options& options);

// The W-2s in the employees' display order (list indexes; an order that
// does not cover the list is replaced by first-name order) or the W-2 of
// the current employee. An employee without a W-2 row prints with empty
// boxes.
std::unique_ptr<PrintJob> MakeW2ScreenJob(const CompanyData& data, const PrintW2Options& options,
                                          const std::vector<int>& displayOrder, int currentEmployeeIndex);

// The W-3 with the totals of every W-2.
std::unique_ptr<PrintJob> MakeW3ScreenJob(const CompanyData& data, const PrintW3Options& options);
