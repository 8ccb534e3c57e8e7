#include "app/PrintOptionsStore.h"

#include "app/Settings.h"

#include <climits>
#include <cmath>

void WriteInches(const QString& keyPath, const QString& valueName, double& inches)
{
    if (inches < 0)
        inches = -inches;
    WriteSettingNumber(keyPath, valueName, int(std::llround(inches * 100.0)));
}

void ReadInches(const QString& keyPath, const QString& valueName, double& inches)
{
    // A sentinel no real value can take tells "missing" from a stored 0.
    const int hundredths = ReadSettingNumber(keyPath, valueName, INT_MIN);
    if (hundredths != INT_MIN)
        inches = hundredths / 100.0; // the double nearest the typed value
}

void ReadNumberInto(const QString& keyPath, const QString& valueName, int& value)
{
    value = ReadSettingNumber(keyPath, valueName, value);
}
