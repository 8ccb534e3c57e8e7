#pragma once

#include "core/import/CsvColumns.h"
#include "core/store/CompanyData.h"

#include <QByteArray>
#include <QStringList>

#include <vector>

// The people of a company with their forms as a CSV file: the header of
// every field of the kind (as an import recognises them), then one row per
// employee or contractor in list order. Values are as stored; check boxes
// are 1 or 0, a state not chosen is empty. Such a file imported into an
// empty company gives the same people and forms.
std::vector<QStringList> CsvExportRecords(PeopleKind kind, const CompanyData& data);
QByteArray ExportPeopleCsv(PeopleKind kind, const CompanyData& data);
