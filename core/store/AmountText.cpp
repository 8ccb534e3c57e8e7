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
