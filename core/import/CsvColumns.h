#pragma once

#include "core/contractor/Form1099Boxes.h"
#include "core/records/PersonAndForm.h"
#include "core/wage/W2Boxes.h"

#include <QString>
#include <QStringList>

#include <vector>

// Which people a CSV file lists: employees with their W-2 boxes, or
// contractors with their 1099-MISC boxes.
enum class PeopleKind { Employees, Contractors };

// The columns of each kind, in the order of an export: the boxes of the
// W-2 and 1099-MISC tables that a CSV column holds. A box's header is the
// column's header in an export and the first spelling an import
// recognises; its spellings the others.
const std::vector<W2Box>& EmployeeCsvColumns();
const std::vector<Form1099Box>& ContractorCsvColumns();

// The headers of the columns of `kind`, in column order.
QStringList CsvFieldHeaders(PeopleKind kind);
// Fields in the same place in both kinds: the number that tells the people
// apart (social security number, identification number) comes first, then
// the name.
inline constexpr int kCsvNumberField = 0;
inline constexpr int kCsvFirstNameField = 1;
inline constexpr int kCsvLastNameField = 3;

// A header as it is compared: letter case, blanks and punctuation do not
// count ("Social Security Number" = "social_security_number").
QString CsvHeaderKey(const QString& header);

// The field each column of `header` fills (-1: none). A field is filled by
// one column only: a later column of the same field is left unmatched.
std::vector<int> MatchCsvHeader(PeopleKind kind, const QStringList& header);
