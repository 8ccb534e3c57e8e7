#pragma once

#include "core/store/AmountText.h"
#include "core/store/FixedText.h"

#include <QString>

// A money box of a record. It keeps the text as it is stored, which is
// written back as it is (a store keeps what it holds until the user changes
// the box), and the amount that text reads as, read once when the text is
// assigned (see ReadAmountText), so that screens, totals, printing, files
// and the check all take the same value. A text that does not read as an
// amount (one written by other software, or damaged) is kept, never guessed
// at: it counts as no amount, and IsReadable() says so.
class AmountField : public FixedTextBase {
public:
    static constexpr int kCapacity = 21;
    static constexpr int kMaxChars = kCapacity - 1;

    AmountField() = default;
    AmountField(const QString& text) { Assign(text); }
    AmountField(const char* text) { Assign(QString::fromUtf8(text)); }
    AmountField& operator=(const QString& text)
    {
        Assign(text);
        return *this;
    }
    AmountField& operator=(const char* text)
    {
        Assign(QString::fromUtf8(text));
        return *this;
    }
    void Clear() { Assign(QString()); }

    // The amount in cents; 0 when empty or unreadable.
    qint64 Cents() const { return cents_; }
    // Nothing but blanks is stored.
    bool IsBlank() const { return blank_; }
    bool IsReadable() const { return problem_ == AmountProblem::None; }
    AmountProblem Problem() const { return problem_; }
    // As a screen or a form shows it: two decimals ("0.00" for an empty
    // one); the stored text when it does not read.
    QString Shown() const;
    // As a file of amounts has it: empty when nothing is stored, else as
    // shown.
    QString Exported() const { return blank_ ? QString() : Shown(); }

private:
    void Assign(const QString& text);

    qint64 cents_ = 0;
    bool blank_ = true;
    AmountProblem problem_ = AmountProblem::None;
};
