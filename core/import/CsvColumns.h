#pragma once

#include "core/records/PersonAndForm.h"

#include <QString>
#include <QStringList>

#include <vector>

// Which people a CSV file lists: employees with their W-2 boxes, or
// contractors with their 1099-MISC boxes.
enum class PeopleKind { Employees, Contractors };

// What a value must be to go into its box; the same rules as typing it
// there.
enum class CsvValueRule {
    Text,      // free text of at most maxChars characters, none of the refused ones
    Ssn,       // a whole social security number, ###-##-####
    Zip,       // a ZIP code of 5 or 9 digits, #####-####
    Account,   // up to five digits
    State,     // an entry of the state list
    Amount,    // money: digits, a point and cents, a sign
    SocialSecurityWages, // an amount up to the wage base (W-2 box 3)
    SocialSecurityTax,   // an amount up to the tax on it (W-2 box 4)
    Flag,      // a check box
    Box12Code, // one letter
    Box12Year, // two digits
};

// One field of a person or their form that a CSV column can fill. `header`
// is the column's header in an export and the first spelling an import
// recognises; `spellings` the others.
template <class Row>
struct CsvField {
    QString header;
    QStringList spellings;
    CsvValueRule rule = CsvValueRule::Text;
    int maxChars = 0; // text: the most characters the box holds
    QString (*get)(const Row&) = nullptr;
    void (*set)(Row&, const QString&) = nullptr; // a value that passed its rule
};

// The fields of each kind, in the order of an export.
const std::vector<CsvField<EmployeeWithW2>>& EmployeeCsvFields();
const std::vector<CsvField<ContractorWith1099>>& ContractorCsvFields();

// The headers of the fields of `kind`, in field order.
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
