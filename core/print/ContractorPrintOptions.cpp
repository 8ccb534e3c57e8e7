#include "core/print/ContractorPrintOptions.h"

#include "core/settings/PrintOptionsStore.h"
#include "core/settings/Settings.h"

namespace {

std::vector<PrintOptionValue> SettingsValues(Print1099Options& o)
{
    return {
        {"1099 Horizontal Offset Value", &o.HorizontalOffset},
        {"1099 Vertical Offset Value", &o.VerticalOffset},
        {"1099 Horizontal Offset Direction", nullptr, &o.HorizontalDirection},
        {"1099 Vertical Offset Direction", nullptr, &o.VerticalDirection},
        {"1099 Print Target", nullptr, &o.PrintTarget},
        {"1099 Paper Type", nullptr, &o.PaperType},
        {"1099 Copy Type", nullptr, &o.CopyType},
    };
}

std::vector<PrintOptionValue> SettingsValues(Print1096Options& o)
{
    return {
        {"1096 Horizontal Offset Value", &o.HorizontalOffset},
        {"1096 Vertical Offset Value", &o.VerticalOffset},
        {"1096 Horizontal Offset Direction", nullptr, &o.HorizontalDirection},
        {"1096 Vertical Offset Direction", nullptr, &o.VerticalDirection},
        {"1096 Paper Type", nullptr, &o.PaperType},
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
