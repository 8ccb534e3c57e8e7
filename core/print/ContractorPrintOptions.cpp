#include "core/print/ContractorPrintOptions.h"

#include "core/settings/PrintOptionsStore.h"
#include "core/settings/Settings.h"

namespace {

std::vector<PrintOptionValue> SettingsValues(Print1099Options& o)
{
    return {
        InchesValue("1099 Horizontal Offset Value", o.HorizontalOffset, 0, kMaxOffsetInches),
        InchesValue("1099 Vertical Offset Value", o.VerticalOffset, 0, kMaxOffsetInches),
        ChoiceValue("1099 Horizontal Offset Direction", o.HorizontalDirection, 2),
        ChoiceValue("1099 Vertical Offset Direction", o.VerticalDirection, 2),
        ChoiceValue("1099 Print Target", o.Target, 2),
        ChoiceValue("1099 Paper Type", o.Paper, 2),
        ChoiceValue("1099 Copy Type", o.Copy, 4),
    };
}

std::vector<PrintOptionValue> SettingsValues(Print1096Options& o)
{
    return {
        InchesValue("1096 Horizontal Offset Value", o.HorizontalOffset, 0, kMaxOffsetInches),
        InchesValue("1096 Vertical Offset Value", o.VerticalOffset, 0, kMaxOffsetInches),
        ChoiceValue("1096 Horizontal Offset Direction", o.HorizontalDirection, 2),
        ChoiceValue("1096 Vertical Offset Direction", o.VerticalDirection, 2),
        ChoiceValue("1096 Paper Type", o.Paper, 2),
    };
}

} // namespace

void ReadPrint1099Options(Print1099Options& o)
{
    ReadPrintOptionValues(kKey1099PrintOptions, SettingsValues(o));
}

void WritePrint1099Options(Print1099Options& o)
{
    WritePrintOptionValues(kKey1099PrintOptions, SettingsValues(o));
}

void ReadPrint1096Options(Print1096Options& o)
{
    ReadPrintOptionValues(kKey1096PrintOptions, SettingsValues(o));
}

void WritePrint1096Options(Print1096Options& o)
{
    WritePrintOptionValues(kKey1096PrintOptions, SettingsValues(o));
}
