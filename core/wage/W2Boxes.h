#pragma once

#include "core/records/FormBoxes.h"
#include "core/store/Records.h"

#include <QString>

#include <vector>

// The boxes of the W-2 with its employee, the rules that check them, and
// what leaving one of the boxes on the screen does to the form.

using W2Box = FormBox<EmployeeRecord, W2Record>;

// The tax figures of 2005, each written once here: the W-2 screen, the CSV
// import and the check before filing take them from this table.

// The tax rates in hundredths of a percent: 6.2 % and 1.45 %.
inline constexpr qint64 kSocialSecurityTaxRate = 620;
inline constexpr qint64 kMedicareTaxRate = 145;

// The tax at `rate` hundredths of a percent of `cents`, to the cent.
constexpr qint64 TaxAtRate(qint64 cents, qint64 rate)
{
    const qint64 scaled = cents * rate;
    return (scaled >= 0 ? scaled + 5'000 : scaled - 5'000) / 10'000;
}

// The social security wage base (the cap of boxes 3 and 7 together) and the
// largest tax on it (the cap of box 4).
inline constexpr qint64 kSocialSecurityWageBaseCents = 9'000'000;
inline constexpr qint64 kSocialSecurityTaxCapCents = TaxAtRate(kSocialSecurityWageBaseCents, kSocialSecurityTaxRate);
inline constexpr double kSocialSecurityWageBase = double(kSocialSecurityWageBaseCents) / 100;
inline constexpr double kSocialSecurityTaxCap = double(kSocialSecurityTaxCapCents) / 100;
// How far a withheld tax may be from its rate before the check says so:
// payroll rounds each pay period.
inline constexpr qint64 kTaxToleranceCents = 100;

// The codes of box 12 in 2005.
inline constexpr char kBox12Codes[] = "ABCDEFGHJKLMNPQRSTVWYZ";
// Elective deferrals (401(k), 403(b), 408(k)(6), 457(b), 501(c)(18)(D) and
// SIMPLE plans) and their limit, with the catch-up of employees aged 50 or
// more; SIMPLE plans (code S) have a lower one. A line that names a year
// is a catch-up of an earlier year, outside the limit.
inline constexpr char kElectiveDeferralCodes[] = "DEFGHS";
// The box-12 codes whose amounts the W-3 totals as deferred compensation:
// the elective deferrals above and section 409A deferrals (Y).
inline constexpr char kDeferredCompensationCodes[] = "DEFGHSY";
inline constexpr qint64 kElectiveDeferralLimitCents = 1'400'000;
inline constexpr qint64 kElectiveDeferralCatchUpCents = 400'000;
inline constexpr char kSimpleDeferralCode = 'S';
inline constexpr qint64 kSimpleDeferralLimitCents = 1'000'000;
inline constexpr qint64 kSimpleDeferralCatchUpCents = 200'000;
// Income of a nonqualified deferred compensation plan failing section
// 409A: part of box 1 as well.
inline constexpr char kSection409AIncomeCode = 'Z';

// The most advance earned income credit payments of the year (box 9).
inline constexpr qint64 kAdvanceEicMaxCents = 158'800;
// Cash wages from which a household employee's wages count for social
// security and Medicare.
inline constexpr qint64 kHouseholdThresholdCents = 140'000;

// A rate as a percentage figure: 620 -> "6.2".
QString RatePercentText(qint64 rate);

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
