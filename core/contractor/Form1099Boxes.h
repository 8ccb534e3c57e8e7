#pragma once

#include "core/records/FormBoxes.h"
#include "core/store/Records.h"

#include <vector>

// The boxes of the 1099-MISC with its contractor (the recipient), and the
// rules that check them.

using Form1099Box = FormBox<ContractorRecord, Form1099Record>;

// The 1096 boxes the amounts of a 1099-MISC add into (a box's `total`),
// with their points on the 1096.
inline constexpr TransmittalBox kForm1096FederalTax{4, "FederalIncomeTaxWithheld", "4 Federal income tax withheld", 14};
inline constexpr TransmittalBox kForm1096Reported{5, "TotalAmountReported",
                                                  "5 Total amount reported with this Form 1096", 15};

// Every box of the 1099-MISC and its recipient, in the order of a CSV
// file: the recipient's identification number, name, address, account
// number and second TIN notice, then boxes 1 to 10, 13, 14, 15a, 15b and
// the state lines (16, 17 and 18, line 1 before line 2). The amounts take
// nine whole digits and four decimals and show two; the payer's state
// numbers of box 17 are free text (15 characters are kept). Boxes 11 and
// 12 have nothing to fill.
const std::vector<Form1099Box>& Form1099Boxes();
// The boxes the 1099-MISC screen has the user type, in the order Tab walks
// them: 1 to 10, 13, 14, 15a, 15b, then the state lines line by line.
const std::vector<Form1099Box>& Form1099ScreenBoxes();
// The recipient's name line: first and last name run together when the
// middle name is "@" (a business name split over the two), else first,
// middle and last joined by blanks.
QString RecipientNameLine(const ContractorRecord& contractor);
// The rules that check a 1099-MISC.
const std::vector<CheckRule>& Form1099CheckRules();

// The 2005 filing thresholds: royalties and substitute payments from 10.00
// on; rents, other income, medical and health care payments, nonemployee
// compensation, crop insurance and attorney proceeds from 600.00 on.
inline constexpr qint64 kRoyaltiesFilingThresholdCents = 1'000;
inline constexpr qint64 kPaymentsFilingThresholdCents = 60'000;

// The boxes whose amount makes a 1099-MISC necessary, each from its 2005
// filing threshold on (0: any amount). Federal income tax withheld makes it
// necessary whatever the payments.
struct FilingThreshold {
    const char* box;
    qint64 cents;
};
const std::vector<FilingThreshold>& Form1099FilingThresholds();
