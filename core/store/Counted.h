#pragma once

#include <QString>

// "1 error", "3 errors": a count with its noun in the number it needs.
inline QString Counted(int count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}
