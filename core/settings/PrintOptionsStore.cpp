#include "core/settings/PrintOptionsStore.h"

#include "core/settings/Settings.h"

#include <climits>
#include <cmath>

PrintOptionValue InchesValue(const char* name, double& inches, double min, double max)
{
    PrintOptionValue value;
    value.name = name;
    value.inches = &inches;
    value.minInches = min;
    value.maxInches = max;
    return value;
}

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
        const QString name = QLatin1String(v.name);
        if (v.inches) {
            double inches = *v.inches;
            ReadInches(key, name, inches);
            if (inches >= v.minInches && inches <= v.maxInches)
                *v.inches = inches;
        } else if (v.number) {
            const int number = ReadSettingNumber(key, name, v.number());
            if (number >= 0 && number < v.choiceCount)
                v.setNumber(number);
        }
    }
}

void WritePrintOptionValues(int keyIndex, const std::vector<PrintOptionValue>& values)
{
    const QString key = SettingsKeyPath(keyIndex);
    for (const PrintOptionValue& v : values) {
        if (v.inches)
            WriteInches(key, QLatin1String(v.name), *v.inches);
        else if (v.number)
            WriteSettingNumber(key, QLatin1String(v.name), v.number());
    }
}
