#include "core/print/WagePrintOptions.h"

#include "core/settings/PrintOptionsStore.h"
#include "core/settings/Settings.h"

namespace {

std::vector<PrintOptionValue> SettingsValues(PrintW2Options& o)
{
    return {
        {"W2 Vertical Space Between forms", &o.VerticalSpace},
        {"W2 Horizontal Offset Value", &o.HorizontalOffset},
        {"W2 Horizontal Offset Direction", nullptr, &o.HorizontalDirection},
        {"W2 Vertical Offset Value", &o.VerticalOffset},
        {"W2 Vertical Offset Direction", nullptr, &o.VerticalDirection},
        {"W2 Print Target", nullptr, &o.PrintTarget},
        {"W2 Paper Type", nullptr, &o.PaperType},
        {"W2 Blank Copy Type", nullptr, &o.BlankCopyType},
    };
}

std::vector<PrintOptionValue> SettingsValues(PrintW3Options& o)
{
    return {
        {"W3 Horizontal Offset Value", &o.HorizontalOffset},
        {"W3 Horizontal Offset Direction", nullptr, &o.HorizontalDirection},
        {"W3 Vertical Offset Value", &o.VerticalOffset},
        {"W3 Vertical Offset Direction", nullptr, &o.VerticalDirection},
        {"W3 Paper Type", nullptr, &o.PaperType},
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
