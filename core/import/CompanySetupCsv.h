#pragma once

#include "core/import/CsvImportPlan.h"
#include "core/import/CsvTable.h"
#include "core/store/Records.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// The company setup as a CSV file: the employer's name, address and
// numbers, the W-3 information and the 1096 information, one column per
// box of the company setup (CompanyBoxes, with their headers), a header
// line and one line of values. An export imports back unchanged.
//
// An import reads every value with the rules of its box on the company
// setup screen (the refused characters, the lengths the box keeps, the
// digit masks, the state and kind-of-payer lists) and refuses what the box
// would refuse or silently cut. A column the file does not have, or an
// empty cell, keeps the stored value. Nothing is taken when anything is
// wrong: the company setup is one record, changed whole or not at all.

// The header and the one line of values of `company`: texts as stored, a
// kind of payer as its entry of the list, check boxes as 1 or 0.
std::vector<QStringList> CompanySetupCsvRecords(const CompanyRecord& company);
QByteArray ExportCompanySetupCsv(const CompanyRecord& company);

// What an import of a company setup file would do.
struct CompanySetupImport {
    CompanyRecord company;            // the stored record with the file's values on top
    std::vector<CsvProblem> problems; // nothing is imported when there are any
    QStringList unmappedColumns;      // columns no box takes, left out
    QStringList changedBoxes;         // the columns (headers) of the boxes whose value changes

    bool Accepted() const { return problems.empty(); }
    bool Changes() const { return !changedBoxes.isEmpty(); }
};

// Reads the company setup file `table` over the stored record `stored`.
CompanySetupImport ReadCompanySetupCsv(const CsvTable& table, const CompanyRecord& stored);

namespace CompanySetupMessages {
inline constexpr char kNoValues[] = "The file has a header but no line of values under it";
inline constexpr char kSecondLine[] = "A company setup file has one line of values; this is a second one";
inline constexpr char kNoColumn[] = "No column of the file is a box of the company setup (as \"Employer Name\")";
} // namespace CompanySetupMessages
