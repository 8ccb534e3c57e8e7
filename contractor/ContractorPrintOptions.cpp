#include "contractor/ContractorPrintOptions.h"

#include "app/PrintOptionsStore.h"
#include "app/Settings.h"

void ReadPrint1099Options(Print1099Options& o)
{
    const QString key = SettingsKeyPath(kKey1099PrintOptions);
    ReadInches(key, "1099 Horizontal Offset Value", o.HorizontalOffset);
    ReadInches(key, "1099 Vertical Offset Value", o.VerticalOffset);
    ReadNumberInto(key, "1099 Horizontal Offset Direction", o.HorizontalDirection);
    ReadNumberInto(key, "1099 Vertical Offset Direction", o.VerticalDirection);
    ReadNumberInto(key, "1099 Print Target", o.PrintTarget);
    ReadNumberInto(key, "1099 Paper Type", o.PaperType);
    ReadNumberInto(key, "1099 Copy Type", o.CopyType);
}

void WritePrint1099Options(Print1099Options& o)
{
    const QString key = SettingsKeyPath(kKey1099PrintOptions);
    WriteInches(key, "1099 Horizontal Offset Value", o.HorizontalOffset);
    WriteInches(key, "1099 Vertical Offset Value", o.VerticalOffset);
    WriteSettingNumber(key, "1099 Horizontal Offset Direction", o.HorizontalDirection);
    WriteSettingNumber(key, "1099 Vertical Offset Direction", o.VerticalDirection);
    WriteSettingNumber(key, "1099 Print Target", o.PrintTarget);
    WriteSettingNumber(key, "1099 Paper Type", o.PaperType);
    WriteSettingNumber(key, "1099 Copy Type", o.CopyType);
}

void ReadPrint1096Options(Print1096Options& o)
{
    const QString key = SettingsKeyPath(kKey1096PrintOptions);
    ReadInches(key, "1096 Horizontal Offset Value", o.HorizontalOffset);
    ReadInches(key, "1096 Vertical Offset Value", o.VerticalOffset);
    ReadNumberInto(key, "1096 Horizontal Offset Direction", o.HorizontalDirection);
    ReadNumberInto(key, "1096 Vertical Offset Direction", o.VerticalDirection);
    ReadNumberInto(key, "1096 Paper Type", o.PaperType);
}

void WritePrint1096Options(Print1096Options& o)
{
    const QString key = SettingsKeyPath(kKey1096PrintOptions);
    WriteInches(key, "1096 Horizontal Offset Value", o.HorizontalOffset);
    WriteInches(key, "1096 Vertical Offset Value", o.VerticalOffset);
    WriteSettingNumber(key, "1096 Horizontal Offset Direction", o.HorizontalDirection);
    WriteSettingNumber(key, "1096 Vertical Offset Direction", o.VerticalDirection);
    WriteSettingNumber(key, "1096 Paper Type", o.PaperType);
}
