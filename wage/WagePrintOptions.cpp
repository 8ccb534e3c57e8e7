#include "wage/WagePrintOptions.h"

#include "app/PrintOptionsStore.h"
#include "app/Settings.h"

void ReadPrintW2Options(PrintW2Options& o)
{
    const QString key = SettingsKeyPath(kKeyW2PrintOptions);
    o.VerticalSpace = ReadSettingNumber(key, "W2 Vertical Space Between forms", 125) / 100.0;
    ReadInches(key, "W2 Horizontal Offset Value", o.HorizontalOffset);
    ReadNumberInto(key, "W2 Horizontal Offset Direction", o.HorizontalDirection);
    ReadInches(key, "W2 Vertical Offset Value", o.VerticalOffset);
    ReadNumberInto(key, "W2 Vertical Offset Direction", o.VerticalDirection);
    ReadNumberInto(key, "W2 Print Target", o.PrintTarget);
    ReadNumberInto(key, "W2 Paper Type", o.PaperType);
    ReadNumberInto(key, "W2 Blank Copy Type", o.BlankCopyType);
}

void WritePrintW2Options(PrintW2Options& o)
{
    const QString key = SettingsKeyPath(kKeyW2PrintOptions);
    WriteInches(key, "W2 Vertical Space Between forms", o.VerticalSpace);
    WriteInches(key, "W2 Horizontal Offset Value", o.HorizontalOffset);
    WriteSettingNumber(key, "W2 Horizontal Offset Direction", o.HorizontalDirection);
    WriteInches(key, "W2 Vertical Offset Value", o.VerticalOffset);
    WriteSettingNumber(key, "W2 Vertical Offset Direction", o.VerticalDirection);
    WriteSettingNumber(key, "W2 Print Target", o.PrintTarget);
    WriteSettingNumber(key, "W2 Paper Type", o.PaperType);
    WriteSettingNumber(key, "W2 Blank Copy Type", o.BlankCopyType);
}

void ReadPrintW3Options(PrintW3Options& o)
{
    const QString key = SettingsKeyPath(kKeyW3PrintOptions);
    ReadInches(key, "W3 Horizontal Offset Value", o.HorizontalOffset);
    ReadNumberInto(key, "W3 Horizontal Offset Direction", o.HorizontalDirection);
    ReadInches(key, "W3 Vertical Offset Value", o.VerticalOffset);
    ReadNumberInto(key, "W3 Vertical Offset Direction", o.VerticalDirection);
    ReadNumberInto(key, "W3 Paper Type", o.PaperType);
}

void WritePrintW3Options(PrintW3Options& o)
{
    const QString key = SettingsKeyPath(kKeyW3PrintOptions);
    WriteInches(key, "W3 Horizontal Offset Value", o.HorizontalOffset);
    WriteSettingNumber(key, "W3 Horizontal Offset Direction", o.HorizontalDirection);
    WriteInches(key, "W3 Vertical Offset Value", o.VerticalOffset);
    WriteSettingNumber(key, "W3 Vertical Offset Direction", o.VerticalDirection);
    WriteSettingNumber(key, "W3 Paper Type", o.PaperType);
}
