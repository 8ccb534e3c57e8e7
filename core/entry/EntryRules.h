#pragma once

#include "core/entry/EditState.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

// The entry rules behind the rule-checked boxes. A rule decides what text a
// box may show (GetValidText) and what each keystroke, paste and deletion does
// to the text and selection. The boxes hand every edit to their rule and show
// the outcome, so the text in a box is at all times its rule's valid text.
//
// "Default" below means what an ordinary single-line box does: a printable
// character replaces the selection, Backspace removes the selection or the
// character before the caret, Delete the selection or the character after it.
class EntryRule {
public:
    // Asked before every character is inserted; a box can refuse more than
    // its rule does. No gate accepts everything.
    using CharGate = std::function<bool(QChar)>;

    virtual ~EntryRule() = default;

    // The text as this rule lets a box show it. The plain rule keeps any text.
    virtual QString GetValidText(const QString& text) const;

    // A character message: a typed character, or '\b' for Backspace. A
    // character typed over a selection replaces it: the selection goes
    // first, as the Delete key takes it, and the rule then handles the
    // character as in a box that holds the rest. A selection the Delete key
    // can't take (inside a mask's fixed shape) is typed over from its start.
    EditOutcome TypeChar(const EditState& state, QChar c) const;
    // Several characters typed in a row, as an input method commits them.
    EditOutcome TypeText(const EditState& state, QStringView text) const;
    // The Delete key.
    EditOutcome PressDelete(const EditState& state) const;
    // Cut and clear remove the selection by way of the Delete key, so they
    // obey the rule's Delete handling; nothing happens without a selection.
    EditOutcome DeleteSelection(const EditState& state) const;
    // Pasting or dropping `clip` over the selection: the selection goes
    // first, as for a typed character, then the clip goes in at the caret.
    // When the result is not valid text, the box shows its valid form with
    // the caret where the paste began. Over a selection the Delete key can't
    // take, the clip is typed in.
    EditOutcome Paste(const EditState& state, const QString& clip) const;
    // `state` with its text made valid and its selection kept inside it.
    EditState Validated(const EditState& state) const;

    void SetCharGate(CharGate gate) { gate_ = std::move(gate); }
    bool IsCharAcceptable(QChar c) const { return !gate_ || gate_(c); }

protected:
    virtual EditOutcome HandleChar(const EditState& state, QChar c) const;
    virtual EditOutcome HandleDeleteKey(const EditState& state) const;
    // Whether `c` typed over a selection replaces it. A character that acts
    // on the whole text rather than going in where it is typed keeps the
    // selection (the amount box's sign).
    virtual bool ReplacesSelection(QChar c) const;

    EditOutcome DefaultChar(const EditState& state, QChar c) const;
    static EditOutcome DefaultDelete(const EditState& state);
    // Replaces the selection with `c`, if the box accepts it.
    EditOutcome Insert(const EditState& state, QChar c) const;
    // Types `c` over the one character at `pos`, whatever is selected.
    EditOutcome Overwrite(const EditState& state, int pos, QChar c) const;
    static EditOutcome Unchanged(const EditState& state, EntryBeep beep = EntryBeep::None);

private:
    // The selection taken out as the Delete key takes it; nothing when the
    // rule keeps it.
    std::optional<EditState> WithoutSelection(const EditState& state) const;

    CharGate gate_;
};

// Characters a text box can hold: printable ones, non-ASCII letters included;
// no control or formatting characters, and nothing outside the Basic
// Multilingual Plane (a record field counts one position per character).
bool IsTextChar(QChar c);

// Whether two texts hold the same characters apart from the blanks,
// dashes and parentheses a digit mask writes between its digits: 971234567
// and 97-1234567 are one number, written two ways.
bool SameApartFromMaskLiterals(const QString& a, const QString& b);

// Free text with a maximum length and a set of refused characters.
class CharFilterRule : public EntryRule {
public:
    CharFilterRule(int maxLength, const QString& forbiddenChars);

    int MaxLength() const { return maxLength_; }
    const QString& ForbiddenChars() const { return forbidden_; }
    // Setters answer whether the value changed, so that the box re-checks its text.
    bool SetMaxLength(int maxLength); // 0 = no limit
    bool SetForbiddenChars(const QString& forbiddenChars);

    // Cut to the maximum first, then the refused characters removed; so a
    // pasted text with refused characters can end up shorter than the maximum.
    QString GetValidText(const QString& text) const override;

protected:
    EditOutcome HandleChar(const EditState& state, QChar c) const override;

private:
    int maxLength_ = 0;
    QString forbidden_;
};

// Digits in a fixed shape: "#" takes one digit 0-9, any other mask character
// is a literal that the box supplies. The text is always a leading part of
// the mask's shape; characters are only ever removed from the tail, so the
// rest never shifts against the mask. An empty mask checks nothing.
class DigitMaskRule : public EntryRule {
public:
    explicit DigitMaskRule(const QString& mask = QString());

    const QString& Mask() const { return mask_; }
    bool SetMask(const QString& mask);

    QString GetValidText(const QString& text) const override;

protected:
    EditOutcome HandleChar(const EditState& state, QChar c) const override;
    EditOutcome HandleDeleteKey(const EditState& state) const override;

private:
    QString mask_;
};

// Signed decimal numbers: at most one leading "-", at most `wholeDigits`
// digits before the point and `decimalPlaces` after it. The sign and point
// are always "-" and ".", whatever the user's locale, because amounts are
// stored as this text. No grouping, no rounding.
class AmountRule : public EntryRule {
public:
    static constexpr QChar kNegativeSign = u'-';
    static constexpr QChar kDecimalPoint = u'.';

    // `wholeDigits` is signed as for SetWholeDigits.
    explicit AmountRule(int wholeDigits = 9, int decimalPlaces = 4);

    int WholeDigits() const { return wholeDigits_; }
    int DecimalPlaces() const { return decimalPlaces_; }
    bool NegativeAllowed() const { return negativeAllowed_; }

    // The magnitude is the limit; a negative argument also refuses negative
    // numbers, any other allows them. A box that must refuse negatives with
    // a positive limit calls SetNegativeAllowed(false) afterwards.
    bool SetWholeDigits(int wholeDigits);
    bool SetDecimalPlaces(int decimalPlaces); // 0 = no decimal point
    bool SetNegativeAllowed(bool allowed);

    QString GetValidText(const QString& text) const override;

protected:
    EditOutcome HandleChar(const EditState& state, QChar c) const override;
    EditOutcome HandleDeleteKey(const EditState& state) const override;
    // The sign toggles at the front whatever is selected.
    bool ReplacesSelection(QChar c) const override;

private:
    int wholeDigits_ = 9;
    int decimalPlaces_ = 4;
    bool negativeAllowed_ = true;
};
