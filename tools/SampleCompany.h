#pragma once

#include "core/store/CompanyData.h"

#include <QString>

// The demo company shipped with the program: a small employer with its W-3
// and 1096 contact data, four employees with filled W-2s and three
// contractors with filled 1099-MISC forms.
CompanyData SampleCompanyData();

// Writes SampleCompanyData() as a new store at `path` (which must not exist)
// through the program's own store code. Returns false on any failure.
bool WriteSampleCompany(const QString& path);
