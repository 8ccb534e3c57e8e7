#include "core/records/PersonKey.h"

QString PersonKey(const QString& number)
{
    QString digits;
    digits.reserve(number.size());
    for (const QChar c : number) {
        if (c >= u'0' && c <= u'9')
            digits += c;
        else if (c != u'-' && c != u' ')
            return number;
    }
    return digits;
}
