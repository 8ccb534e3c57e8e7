#include "core/entry/EntryRules.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr QChar kBackspace = u'\b';
constexpr QChar kDigitSlot = u'#';

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Mask and amount boxes take only their own ASCII characters.
bool IsAsciiPrintable(QChar c)
{
    return c.unicode() >= 32 && c.unicode() <= 126;
}

EditState ReplaceRange(const EditState& state, int from, int to, const QString& with)
{
    EditState out;
    out.text = state.text.left(from) + with + state.text.mid(to);
    out.start = out.end = from + int(with.size());
    return out;
}

// A pasted or dropped text is one line: what comes after the first line
// break would not fit a single-line box anyway.
QString FirstLine(const QString& text)
{
    qsizetype cut = text.size();
    while (cut > 0 && (text.at(cut - 1) == u'\n' || text.at(cut - 1) == u'\r'))
        --cut;
    for (qsizetype i = 0; i < cut; ++i) {
        if (text.at(i) == u'\n' || text.at(i) == u'\r')
            return text.left(i);
    }
    return text.left(cut);
}

} // namespace

bool IsTextChar(QChar c)
{
    return c.isPrint();
}

// ---------------------------------------------------------------------------
// EntryRule: the common handling and the plain box's defaults.

QString EntryRule::GetValidText(const QString& text) const
{
    return text;
}

EditState EntryRule::Validated(const EditState& state) const
{
    EditState out = state;
    out.text = GetValidText(state.text);
    const int len = int(out.text.size());
    out.start = std::clamp(out.start, 0, len);
    out.end = std::clamp(out.end, out.start, len);
    return out;
}

std::optional<EditState> EntryRule::WithoutSelection(const EditState& state) const
{
    if (!state.HasSelection())
        return state;
    const EditState removed = HandleDeleteKey(state).state;
    if (removed.text == state.text)
        return std::nullopt;
    return Validated(removed);
}

bool EntryRule::ReplacesSelection(QChar c) const
{
    return c != kBackspace && IsTextChar(c);
}

EditOutcome EntryRule::TypeChar(const EditState& state, QChar c) const
{
    EditOutcome out;
    const std::optional<EditState> rest = state.HasSelection() && ReplacesSelection(c) ? WithoutSelection(state)
                                                                                       : std::nullopt;
    if (rest) {
        // A full box would otherwise type over one character of the
        // selection and keep the rest of it (select all, type 500 over
        // 123456789.00 gave 500456789.00).
        out = HandleChar(*rest, c);
        // A refused character leaves the selection as it was.
        if (out.state == *rest)
            out.state = state;
    } else {
        out = HandleChar(state, c);
    }
    // Whatever a rule's steps leave is shown in its valid form: this is the
    // amount box's reformat, and a guarantee for the others.
    out.state = Validated(out.state);
    return out;
}

EditOutcome EntryRule::TypeText(const EditState& state, QStringView text) const
{
    EditOutcome out{state, EntryBeep::None};
    for (QChar c : text) {
        EditOutcome step = TypeChar(out.state, c);
        out.state = step.state;
        if (step.beep != EntryBeep::None)
            out.beep = step.beep;
    }
    return out;
}

EditOutcome EntryRule::PressDelete(const EditState& state) const
{
    EditOutcome out = HandleDeleteKey(state);
    out.state = Validated(out.state);
    return out;
}

EditOutcome EntryRule::DeleteSelection(const EditState& state) const
{
    if (!state.HasSelection())
        return Unchanged(state);
    return PressDelete(state);
}

EditOutcome EntryRule::Paste(const EditState& state, const QString& clip) const
{
    if (clip.isEmpty())
        return Unchanged(state);
    QString line = FirstLine(clip);
    line.removeIf([this](QChar c) { return !IsCharAcceptable(c); });
    const std::optional<EditState> rest = WithoutSelection(state);
    if (!rest)
        return TypeText(state, line);
    const EditState pasted = ReplaceRange(*rest, rest->start, rest->end, line);
    const QString valid = GetValidText(pasted.text);
    if (valid == pasted.text)
        return {pasted, EntryBeep::None};
    return {Validated(EditState::Caret(valid, rest->start)), EntryBeep::None};
}

EditOutcome EntryRule::HandleChar(const EditState& state, QChar c) const
{
    return DefaultChar(state, c);
}

EditOutcome EntryRule::HandleDeleteKey(const EditState& state) const
{
    return DefaultDelete(state);
}

EditOutcome EntryRule::DefaultChar(const EditState& state, QChar c) const
{
    if (c == kBackspace) {
        if (state.HasSelection())
            return {ReplaceRange(state, state.start, state.end, QString()), EntryBeep::None};
        if (state.start == 0)
            return Unchanged(state);
        int from = state.start - 1;
        if (from > 0 && state.text.at(from).isLowSurrogate() && state.text.at(from - 1).isHighSurrogate())
            --from;
        return {ReplaceRange(state, from, state.start, QString()), EntryBeep::None};
    }
    if (IsTextChar(c))
        return Insert(state, c);
    return Unchanged(state);
}

EditOutcome EntryRule::DefaultDelete(const EditState& state)
{
    if (state.HasSelection())
        return {ReplaceRange(state, state.start, state.end, QString()), EntryBeep::None};
    const int len = int(state.text.size());
    if (state.start >= len)
        return Unchanged(state);
    int to = state.start + 1;
    if (to < len && state.text.at(state.start).isHighSurrogate() && state.text.at(to).isLowSurrogate())
        ++to;
    return {ReplaceRange(state, state.start, to, QString()), EntryBeep::None};
}

EditOutcome EntryRule::Insert(const EditState& state, QChar c) const
{
    if (!IsCharAcceptable(c))
        return Unchanged(state);
    return {ReplaceRange(state, state.start, state.end, QString(c)), EntryBeep::None};
}

EditOutcome EntryRule::Overwrite(const EditState& state, int pos, QChar c) const
{
    if (!IsCharAcceptable(c))
        return Unchanged(state);
    const int to = std::min(pos + 1, int(state.text.size()));
    return {ReplaceRange(state, pos, to, QString(c)), EntryBeep::None};
}

EditOutcome EntryRule::Unchanged(const EditState& state, EntryBeep beep)
{
    return {state, beep};
}

// ---------------------------------------------------------------------------
// CharFilterRule

CharFilterRule::CharFilterRule(int maxLength, const QString& forbiddenChars)
    : maxLength_(std::max(maxLength, 0))
    , forbidden_(forbiddenChars)
{
}

bool CharFilterRule::SetMaxLength(int maxLength)
{
    maxLength = std::max(maxLength, 0);
    if (maxLength == maxLength_)
        return false;
    maxLength_ = maxLength;
    return true;
}

bool CharFilterRule::SetForbiddenChars(const QString& forbiddenChars)
{
    if (forbiddenChars == forbidden_)
        return false;
    forbidden_ = forbiddenChars;
    return true;
}

QString CharFilterRule::GetValidText(const QString& text) const
{
    QString out = maxLength_ > 0 ? text.left(maxLength_) : text;
    for (qsizetype i = out.size() - 1; i >= 0; --i) {
        if (forbidden_.contains(out.at(i)) || !IsTextChar(out.at(i)))
            out.remove(i, 1);
    }
    return out;
}

EditOutcome CharFilterRule::HandleChar(const EditState& state, QChar c) const
{
    if (!forbidden_.isEmpty() && forbidden_.contains(c))
        return Unchanged(state, EntryBeep::Exclamation);
    if (maxLength_ != 0 && state.text.size() == maxLength_ && IsTextChar(c)) {
        // A full box types over the character at the caret; at the end there
        // is nothing to type over, and the character goes without a sound.
        if (state.start < maxLength_)
            return Overwrite(state, state.start, c);
        return Unchanged(state);
    }
    return DefaultChar(state, c);
}

// ---------------------------------------------------------------------------
// DigitMaskRule

DigitMaskRule::DigitMaskRule(const QString& mask)
    : mask_(mask)
{
}

bool DigitMaskRule::SetMask(const QString& mask)
{
    if (mask == mask_)
        return false;
    mask_ = mask;
    return true;
}

QString DigitMaskRule::GetValidText(const QString& text) const
{
    if (mask_.isEmpty())
        return text;
    const qsizetype maskLen = mask_.size();
    QString out;
    qsizetype i = 0;
    for (qsizetype t = 0; t < text.size() && i < maskLen; ++t) {
        const QChar c = text.at(t);
        if (IsDigit(c)) {
            // The box supplies the literals up to the digit's place.
            while (i < maskLen && mask_.at(i) != kDigitSlot)
                out += mask_.at(i++);
            if (i >= maskLen)
                break;
            out += c;
            ++i;
        } else if (mask_.at(i) != kDigitSlot && c == mask_.at(i)) {
            out += c;
            ++i;
        } else {
            break; // the rest of the text does not fit the shape
        }
    }
    return out;
}

EditOutcome DigitMaskRule::HandleChar(const EditState& state, QChar c) const
{
    if (mask_.isEmpty())
        return DefaultChar(state, c);
    const int len = int(state.text.size());
    if (c == kBackspace) {
        // Removing a character inside the text would shift the rest against
        // the mask, so Backspace there only moves the caret left.
        if (state.start != len) {
            const int pos = state.HasSelection() ? state.start : std::max(state.start - 1, 0);
            return Unchanged(EditState::Caret(state.text, pos));
        }
        return DefaultChar(state, c);
    }
    if (state.start >= mask_.size() || !IsAsciiPrintable(c))
        return Unchanged(state);

    const QChar m = mask_.at(state.start);
    const bool fitsHere = (m == kDigitSlot) ? IsDigit(c) : c == m;
    if (fitsHere)
        return state.start < len ? Overwrite(state, state.start, c) : Insert(state, c);
    if (m != kDigitSlot && IsDigit(c)) {
        // A digit typed on a literal: put the literals up to the next digit
        // place in, then type the digit again there.
        const int slot = int(mask_.indexOf(kDigitSlot, state.start));
        if (slot < 0)
            return Unchanged(state);
        const EditState stepped = ReplaceRange(state, state.start, std::min(slot, len),
                                               mask_.mid(state.start, slot - state.start));
        return HandleChar(stepped, c);
    }
    return Unchanged(state);
}

EditOutcome DigitMaskRule::HandleDeleteKey(const EditState& state) const
{
    if (mask_.isEmpty())
        return DefaultDelete(state);
    const int len = int(state.text.size());
    const bool atTail = state.end == len || (!state.HasSelection() && state.start == len - 1);
    return atTail ? DefaultDelete(state) : Unchanged(state);
}

// ---------------------------------------------------------------------------
// AmountRule

AmountRule::AmountRule(int wholeDigits, int decimalPlaces)
    : wholeDigits_(std::abs(wholeDigits))
    , decimalPlaces_(std::max(decimalPlaces, 0))
    , negativeAllowed_(wholeDigits >= 0)
{
}

bool AmountRule::SetWholeDigits(int wholeDigits)
{
    const int limit = std::abs(wholeDigits);
    const bool negatives = wholeDigits >= 0;
    if (limit == wholeDigits_ && negatives == negativeAllowed_)
        return false;
    wholeDigits_ = limit;
    negativeAllowed_ = negatives;
    return true;
}

bool AmountRule::SetDecimalPlaces(int decimalPlaces)
{
    decimalPlaces = std::max(decimalPlaces, 0);
    if (decimalPlaces == decimalPlaces_)
        return false;
    decimalPlaces_ = decimalPlaces;
    return true;
}

bool AmountRule::SetNegativeAllowed(bool allowed)
{
    if (allowed == negativeAllowed_)
        return false;
    negativeAllowed_ = allowed;
    return true;
}

QString AmountRule::GetValidText(const QString& text) const
{
    QString out;
    int whole = 0;
    int decimals = 0;
    bool pointSeen = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (i == 0 && c == kNegativeSign) {
            if (negativeAllowed_)
                out += c;
        } else if (IsDigit(c) && !pointSeen) {
            // Surplus whole digits are skipped, not the end of the number.
            if (whole < wholeDigits_) {
                out += c;
                ++whole;
            }
        } else if (IsDigit(c)) {
            if (decimals >= decimalPlaces_)
                break; // no rounding: the rest is dropped
            out += c;
            ++decimals;
        } else if (c == kDecimalPoint && !pointSeen) {
            if (decimalPlaces_ == 0)
                break;
            out += c;
            pointSeen = true;
        }
        // Anything else (a second point, a sign elsewhere, blanks, group
        // separators, letters, currency signs) is skipped.
    }
    return out;
}

EditOutcome AmountRule::HandleChar(const EditState& state, QChar c) const
{
    const QString& text = state.text;
    const int len = int(text.size());
    const int point = int(text.indexOf(kDecimalPoint));
    const bool negative = text.startsWith(kNegativeSign);
    const int signWidth = negative ? 1 : 0;

    if (c == kNegativeSign && negativeAllowed_) {
        if (state.start == 0)
            return negative ? Overwrite(state, 0, c) : Insert(state, c);
        // Typed anywhere else the sign toggles, and the selection stays on
        // the same characters.
        if (negative)
            return {EditState{text.mid(1), state.start - 1, state.end - 1}, EntryBeep::None};
        if (!IsCharAcceptable(c))
            return Unchanged(state);
        return {EditState{kNegativeSign + text, state.start + 1, state.end + 1}, EntryBeep::None};
    }

    if (c == kDecimalPoint && decimalPlaces_ > 0) {
        if (point >= 0)
            return Unchanged(EditState::Caret(text, point + 1));
        return Insert(state, c); // the reformat that follows cuts surplus decimals
    }

    if (IsDigit(c)) {
        if (point < 0 || state.start <= point) {
            // A digit typed in front of the sign goes just after it: the
            // sign stays the number's first character.
            EditState at = state;
            if (negative && !state.HasSelection() && state.start == 0)
                at = EditState::Caret(text, 1);
            const int wholeEnd = point < 0 ? len : point;
            if (at.start == signWidth + wholeDigits_)
                return Unchanged(state); // just after a full whole part
            if (wholeEnd - signWidth >= wholeDigits_) {
                const int pos = std::max(at.start, signWidth);
                return pos < wholeEnd ? Overwrite(at, pos, c) : Unchanged(state);
            }
            return Insert(at, c);
        }
        const int decimals = len - point - 1;
        if (decimals >= decimalPlaces_) {
            if (state.start > point + decimalPlaces_)
                return Unchanged(state);
            return Overwrite(state, state.start, c);
        }
        return Insert(state, c);
    }

    if (c == kBackspace)
        return DefaultChar(state, c);
    return Unchanged(state); // any other character, the sign or point when refused
}

bool AmountRule::ReplacesSelection(QChar c) const
{
    return !(c == kNegativeSign && negativeAllowed_) && EntryRule::ReplacesSelection(c);
}

EditOutcome AmountRule::HandleDeleteKey(const EditState& state) const
{
    // The reformat that follows every edit joins whole and decimal digits
    // when the point goes; the caret stays where the deletion was.
    return DefaultDelete(state);
}

bool SameApartFromMaskLiterals(const QString& a, const QString& b)
{
    const auto strip = [](const QString& text) {
        QString kept;
        kept.reserve(text.size());
        for (const QChar c : text)
            if (c != u' ' && c != u'-' && c != u'(' && c != u')')
                kept += c;
        return kept;
    };
    return strip(a) == strip(b);
}
