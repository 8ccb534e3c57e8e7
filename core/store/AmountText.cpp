#include "core/store/AmountText.h"

namespace {

// Whole parts are cut here so that no stored text can overflow the sum of a
// large company's forms.
constexpr qint64 kLargestWholePart = 999'999'999'999LL;

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

qint64 ParseAmountCents(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    qint64 whole = 0;
    while (i < n && IsAsciiDigit(text.at(i))) {
        if (whole <= kLargestWholePart)
            whole = whole * 10 + (text.at(i).unicode() - u'0');
        ++i;
    }
    if (whole > kLargestWholePart)
        whole = kLargestWholePart;

    // The cents are the digits right after the first point of the text.
    qint64 cents = 0;
    qsizetype point = text.indexOf(u'.');
    if (point >= 0) {
        qsizetype j = point + 1;
        int digits = 0;
        int firstThree[3] = {0, 0, 0};
        while (j < n && IsAsciiDigit(text.at(j))) {
            if (digits < 3)
                firstThree[digits] = text.at(j).unicode() - u'0';
            ++digits;
            ++j;
        }
        if (digits == 1)
            cents = firstThree[0] * 10;
        else if (digits >= 2)
            cents = firstThree[0] * 10 + firstThree[1] + (digits >= 3 && firstThree[2] >= 5 ? 1 : 0);
    }
    const qint64 value = whole * 100 + cents;
    return negative ? -value : value;
}

double ParseAmountText(const QString& text)
{
    return double(ParseAmountCents(text)) / 100.0;
}

QString FormatAmountCents(qint64 cents)
{
    const bool negative = cents < 0;
    const quint64 magnitude = negative ? quint64(-(cents + 1)) + 1 : quint64(cents);
    QString result = QString::number(magnitude / 100) + u'.' + QString::number(magnitude % 100).rightJustified(2, u'0');
    return negative ? u'-' + result : result;
}

QString NormalizeAmountText(const QString& text)
{
    return FormatAmountCents(ParseAmountCents(text));
}

AmountReading ReadAmountText(const QString& text)
{
    // Read in one pass without copies: every stored amount of a company
    // goes through here when it is loaded.
    AmountReading reading;
    const QChar* p = text.constData();
    const QChar* const end = p + text.size();
    auto skipBlanks = [&] {
        while (p != end && (*p == u' ' || *p == u'\t'))
            ++p;
    };
    skipBlanks();
    if (p == end)
        return reading;
    reading.empty = false;
    const auto refuse = [&reading](AmountProblem problem) {
        reading.cents = 0;
        reading.problem = problem;
        return reading;
    };
    bool negative = false;
    // "-$12.50" and "$-12.50" alike.
    if (*p == u'-') {
        negative = true;
        ++p;
        skipBlanks();
    }
    if (p != end && *p == u'$') {
        ++p;
        skipBlanks();
    }
    if (!negative && p != end && *p == u'-') {
        negative = true;
        ++p;
        skipBlanks();
    }
    qint64 whole = 0;
    int wholeDigits = 0; // not counting leading zeros
    bool anyWhole = false;
    int group = 0; // digits since the last comma
    bool grouped = false;
    for (; p != end; ++p) {
        if (*p == u' ' || *p == u'\t')
            continue;
        if (*p == u',') {
            // "1234,50" is a decimal comma: read as a group separator it
            // would make a hundred times the amount.
            if (grouped ? group != 3 : (group < 1 || group > 3))
                return refuse(AmountProblem::NotAnAmount);
            grouped = true;
            group = 0;
            continue;
        }
        if (!IsAsciiDigit(*p))
            break;
        anyWhole = true;
        ++group;
        const int digit = p->unicode() - u'0';
        if (wholeDigits > 0 || digit != 0)
            ++wholeDigits;
        if (wholeDigits <= kAmountBoxWholeDigits)
            whole = whole * 10 + digit;
    }
    if (grouped && group != 3)
        return refuse(AmountProblem::NotAnAmount);
    qint64 cents = 0;
    int decimals = 0;
    bool fraction = false;
    if (p != end && *p == u'.') {
        for (++p; p != end; ++p) {
            if (*p == u' ' || *p == u'\t')
                continue;
            if (!IsAsciiDigit(*p))
                break;
            const int digit = p->unicode() - u'0';
            if (decimals < 2)
                cents = cents * 10 + digit;
            else if (digit != 0)
                fraction = true;
            ++decimals;
        }
    }
    if (p != end || (!anyWhole && decimals == 0))
        return refuse(AmountProblem::NotAnAmount);
    if (wholeDigits > kAmountBoxWholeDigits)
        return refuse(AmountProblem::TooLarge);
    if (fraction)
        return refuse(AmountProblem::FractionOfCent);
    if (decimals == 1)
        cents *= 10;
    const qint64 magnitude = whole * 100 + cents;
    reading.cents = negative ? -magnitude : magnitude;
    return reading;
}
