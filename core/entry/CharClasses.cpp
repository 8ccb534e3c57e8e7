#include "core/entry/CharClasses.h"

quint16 CharClassOf(QChar c)
{
    if (c.unicode() <= 31)
        return 0;
    if (c.isLetter())
        return kCharClassLetters;
    if (c.isDigit())
        return kCharClassDigits;
    return kCharClassOther;
}

bool IsCharClassAllowed(quint16 allowedClasses, QChar c)
{
    const quint16 cls = CharClassOf(c);
    return cls == 0 || (allowedClasses & cls) != 0;
}

QString KeepAllowedClasses(const QString& text, quint16 allowedClasses)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c.isPrint() && (allowedClasses & CharClassOf(c)) != 0)
            out += c;
    }
    return out;
}

std::optional<int> SteppedValue(const QString& text, int delta)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == u' ')
        ++i;
    const bool negative = i < text.size() && text.at(i) == u'-';
    if (negative)
        ++i;
    if (i == text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > 1'000'000'000)
            return std::nullopt; // far out of range; also keeps the sum from overflowing
    }
    const qint64 next = (negative ? -value : value) + delta;
    if (next < kStepMinimum || next > kStepMaximum)
        return std::nullopt;
    return int(next);
}
