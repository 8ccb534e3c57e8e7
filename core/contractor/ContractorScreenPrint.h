#pragma once

#include "core/print/ContractorPrintOptions.h"
#include "core/print/PrintJob.h"
#include "core/store/CompanyData.h"

#include <QString>

#include <memory>
#include <vector>

// The print jobs the 1099-MISC and 1096 screens start once the options are
// chosen, and what is asked before.

// Whether a 1099-MISC print has anything to print: all forms need a 1099
// row in the company, the current one a contractor.
bool Form1099PrintHasForms(const CompanyData& data, const Print1099Options& options);

// The question asked (Yes/No) before forms with empty fields are printed,
// or the empty text when there is nothing to ask. The stored forms count:
// for all contractors any form of the company, for the current one the
// current contractor's. A contractor without a 1099 row prints with every
// box empty and counts as a form with empty fields.
QString Form1099EmptyFieldsQuestion(const CompanyData& data, const Print1099Options& options,
                                    int currentContractorIndex);

// The 1099-MISCs in the contractors' display order (list indexes; an order
// that does not cover the list is replaced by first-name order), or the
// current contractor's.
std::unique_ptr<PrintJob> MakeForm1099ScreenJob(const CompanyData& data, const Print1099Options& options,
                                                const std::vector<int>& displayOrder, int currentContractorIndex);

// The 1096 with the totals of every 1099-MISC.
std::unique_ptr<PrintJob> MakeForm1096ScreenJob(const CompanyData& data, const Print1096Options& options);
