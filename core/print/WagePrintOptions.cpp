#include "core/print/WagePrintOptions.h"

#include "core/settings/PrintOptionsStore.h"
#include "core/settings/Settings.h"

namespace {

std::vector<PrintOptionValue> SettingsValues(PrintW2Options& o)
{
    return {
        InchesValue("W2 Vertical Space Between forms", o.VerticalSpace, 0.75, 1.75),
        InchesValue("W2 Horizontal Offset Value", o.HorizontalOffset, 0, kMaxOffsetInches),
        ChoiceValue("W2 Horizontal Offset Direction", o.HorizontalDirection, 2),
        InchesValue("W2 Vertical Offset Value", o.VerticalOffset, 0, kMaxOffsetInches),
        ChoiceValue("W2 Vertical Offset Direction", o.VerticalDirection, 2),
        ChoiceValue("W2 Print Target", o.Target, 2),
        ChoiceValue("W2 Paper Type", o.Paper, 2),
        ChoiceValue("W2 Blank Copy Type", o.BlankCopy, 6),
    };
}

std::vector<PrintOptionValue> SettingsValues(PrintW3Options& o)
{
    return {
        InchesValue("W3 Horizontal Offset Value", o.HorizontalOffset, 0, kMaxOffsetInches),
        ChoiceValue("W3 Horizontal Offset Direction", o.HorizontalDirection, 2),
        InchesValue("W3 Vertical Offset Value", o.VerticalOffset, 0, kMaxOffsetInches),
        ChoiceValue("W3 Vertical Offset Direction", o.VerticalDirection, 2),
        ChoiceValue("W3 Paper Type", o.Paper, 3),
    };
}

} // namespace

void ReadPrintW2Options(PrintW2Options& o)
{
    ReadPrintOptionValues(kKeyW2PrintOptions, SettingsValues(o));
}

void WritePrintW2Options(PrintW2Options& o)
{
    WritePrintOptionValues(kKeyW2PrintOptions, SettingsValues(o));
}

void ReadPrintW3Options(PrintW3Options& o)
{
    ReadPrintOptionValues(kKeyW3PrintOptions, SettingsValues(o));
}

void WritePrintW3Options(PrintW3Options& o)
{
    WritePrintOptionValues(kKeyW3PrintOptions, SettingsValues(o));
}
