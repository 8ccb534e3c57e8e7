#include "core/settings/PrintOptionsStore.h"

#include "core/settings/Settings.h"

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

void ReadPrintOptionValues(int keyIndex, const std::vector<PrintOptionValue>& values)
{
    const QString key = SettingsKeyPath(keyIndex);
    for (const PrintOptionValue& v : values) {
        if (v.inches)
            ReadInches(key, QLatin1String(v.name), *v.inches);
        else if (v.number)
            *v.number = ReadSettingNumber(key, QLatin1String(v.name), *v.number);
    }
}

void WritePrintOptionValues(int keyIndex, const std::vector<PrintOptionValue>& values)
{
    const QString key = SettingsKeyPath(keyIndex);
    for (const PrintOptionValue& v : values) {
        if (v.inches)
            WriteInches(key, QLatin1String(v.name), *v.inches);
        else if (v.number)
            WriteSettingNumber(key, QLatin1String(v.name), *v.number);
    }
}
