#pragma once

#include "core/import/CsvColumns.h"

#include <QString>

// A value of a CSV file as it goes into its box: the text to keep, or what
// is wrong with it. The rules are those of the boxes (the digit masks, the
// refused characters, the lengths, the state list, the amount rule), but a
// value the box would silently cut or change otherwise (digits dropped, a
// name cut short, a decimal comma read as a group separator) is refused
// with a message rather than kept in a form nobody checked.
struct CsvValue {
    QString text;
    QString problem; // empty when the value may be kept

    bool Accepted() const { return problem.isEmpty(); }
};

// `cell` checked against `rule` (and for text `maxChars` and the characters
// the box refuses, `refused`, by default those of most boxes,
// kForbiddenCommon). Blanks around the value do not count; an empty cell
// is accepted as the empty text.
CsvValue CheckCsvValue(CsvValueRule rule, int maxChars, const QString& cell, const char* refused = nullptr);

// A value as the messages show it: a long one (a whole file read as one
// value, say) cut to its first kShownCsvValueLength characters and "…".
inline constexpr int kShownCsvValueLength = 60;
QString ShownCsvValue(const QString& value);

// The message parts, for the tests; "%1" is the value as the file has it.
namespace CsvValueMessages {
inline constexpr char kTooLong[] = "\"%1\" is longer than the %2 characters the box holds";
inline constexpr char kRefusedCharacter[] = "\"%1\" holds the character %2, which the box does not accept";
inline constexpr char kLineBreak[] = "\"%1\" holds a line break or another control character";
inline constexpr char kNotSsn[] = "\"%1\" is not a social security number of 9 digits (as 123-45-6789)";
inline constexpr char kLeadingZero[] = "; a spreadsheet may have dropped its leading zeros";
inline constexpr char kNotZip[] = "\"%1\" is not a ZIP code of 5 or 9 digits (as 12345 or 12345-6789)";
inline constexpr char kNotAccount[] = "\"%1\" is not an account number of up to 5 digits";
inline constexpr char kNotState[] = "\"%1\" is not a state abbreviation of the list (as CA or NY)";
inline constexpr char kNotAmount[] = "\"%1\" is not an amount (write it as 1234.50, 1,234.50 or $1,234.50)";
inline constexpr char kAmountTooLarge[] = "\"%1\" has more than the 9 digits before the point that the box holds";
inline constexpr char kFractionOfCent[] = "\"%1\" has fractions of a cent";
inline constexpr char kNotFlag[] = "\"%1\" is not a check box value (1 or 0, yes or no, X or empty)";
inline constexpr char kNotBox12Code[] = "\"%1\" is not a box 12 code of one letter (as D)";
inline constexpr char kNotBox12Year[] = "\"%1\" is not a year of two digits (as 05)";
inline constexpr char kNotEin[] = "\"%1\" is not an employer identification number of 9 digits (as 12-3456789)";
inline constexpr char kNotPhone[] = "\"%1\" is not a telephone number of 10 digits (as (503) 555-0147)";
inline constexpr char kNotKindOfPayer[] = "\"%1\" is not a kind of payer of the list (%2)";
} // namespace CsvValueMessages
