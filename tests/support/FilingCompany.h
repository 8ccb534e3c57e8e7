#pragma once

#include "core/store/CompanyData.h"

// A company ready for filing, which the check before filing passes: the
// employer with EIN, address, kind of payer and both contacts; Ann Lee
// (123-45-6789) with a W-2 whose taxes follow from her wages, and Bo Berg
// (98-7654321) with a 1099-MISC of nonemployee compensation. Tests spoil
// one thing of it to see a rule find it.
CompanyData FilingCompany();
