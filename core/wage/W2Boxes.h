#pragma once

#include "core/records/FormBoxes.h"
#include "core/store/Records.h"

#include <QString>

#include <vector>

// The boxes of the W-2 that the user fills in, and what leaving one of
// them does to the form.

// Tax figures of the 2005 form.
inline constexpr double kSocialSecurityWageBase = 90000.00; // cap of box 3
inline constexpr double kSocialSecurityTaxCap = 5580.00;    // cap of box 4

// What box 3 or box 4 says when a value goes beyond its cap.
QString SocialSecurityWagesCapMessage();
QString SocialSecurityTaxCapMessage();

// Box 4 for box-3 wages: 6.2 percent, at most the cap. Box 6 for box-5
// wages: 1.45 percent, without a cap. Both in their "%.2lf" form.
QString SocialSecurityTaxFor(double wages);
QString MedicareTaxFor(double wages);

// The boxes 1 to 20 that the user types in (box 13 as its three check
// boxes), in the order a reader of the form meets them, which is the
// order Tab walks: 1 to 11, 12a to 12d (code, year, amount), 13, the
// three lines of 14, then the state and local rows line by line (the
// first line's state and state ID are the company's, so line 1 begins at
// box 16).
const std::vector<FormBox<W2Record>>& W2EntryBoxes();

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
