#include "core/store/AmountField.h"

void AmountField::Assign(const QString& text)
{
    AssignCut(text, kMaxChars);
    // A text longer than the field is read whole: what is kept of it is
    // not the amount that was stored.
    const AmountReading reading = ReadAmountText(text);
    cents_ = reading.cents;
    blank_ = reading.empty;
    problem_ = text.size() > kMaxChars && reading.Readable() ? AmountProblem::TooLarge : reading.problem;
    if (problem_ != AmountProblem::None)
        cents_ = 0;
}

QString AmountField::Shown() const
{
    return IsReadable() ? FormatAmountCents(cents_) : Text();
}
