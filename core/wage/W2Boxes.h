#pragma once

#include "core/records/FormBoxes.h"
#include "core/store/Records.h"

#include <QString>

#include <vector>

// The boxes of the W-2 with its employee, the rules that check them, and
// what leaving one of the boxes on the screen does to the form.

using W2Box = FormBox<EmployeeRecord, W2Record>;

// Tax figures of the 2005 form.
inline constexpr double kSocialSecurityWageBase = 90000.00; // cap of box 3
inline constexpr double kSocialSecurityTaxCap = 5580.00;    // cap of box 4
inline constexpr qint64 kSocialSecurityWageBaseCents = qint64(kSocialSecurityWageBase * 100);
// The tax rates in hundredths of a percent: 6.2 % and 1.45 %.
inline constexpr qint64 kSocialSecurityTaxRate = 620;
inline constexpr qint64 kMedicareTaxRate = 145;
// How far a withheld tax may be from its rate before the check says so:
// payroll rounds each pay period.
inline constexpr qint64 kTaxToleranceCents = 100;
// The codes of box 12 in 2005.
inline constexpr char kBox12Codes[] = "ABCDEFGHJKLMNPQRSTVWYZ";

// The tax at `rate` hundredths of a percent of `cents`, to the cent.
qint64 TaxAtRate(qint64 cents, qint64 rate);

// What box 3 or box 4 says when a value goes beyond its cap.
QString SocialSecurityWagesCapMessage();
QString SocialSecurityTaxCapMessage();

// Box 4 for box-3 wages: 6.2 percent, at most the cap. Box 6 for box-5
// wages: 1.45 percent, without a cap. Both in their "%.2lf" form.
QString SocialSecurityTaxFor(double wages);
QString MedicareTaxFor(double wages);

// Every box of the W-2 and its employee, in the order of a CSV file: the
// employee's boxes d to f, then boxes 1 to 20 (box 13 as its three check
// boxes, the state and local boxes with line 1 before line 2). The first
// state line's state and state ID are the company's: the form shows them,
// nobody types them on the W-2, and no CSV column holds them.
const std::vector<W2Box>& W2Boxes();
// The boxes the W-2 screen has the user type, in the order Tab walks them
// (see FormScreenBoxes).
const std::vector<W2Box>& W2ScreenBoxes();
// The rules that check a W-2.
const std::vector<CheckRule>& W2CheckRules();

// What leaving an amount box does: the box shows `text`; `message`, when
// not empty, is said first; `otherBox` (a field name), when not empty, is
// set to `otherText`.
struct W2BoxLeave {
    QString text;
    QString message;
    QString otherBox;
    QString otherText;
};

// Leaving the amount box `name` with `text` in it. `edited` tells whether
// the user changed the box while in it: boxes 3 and 5 fill boxes 4 and 6
// only then (or when box 3 had to be cut to its cap), so walking through
// the form changes nothing.
W2BoxLeave LeaveW2AmountBox(const QString& name, const QString& text, bool edited);
