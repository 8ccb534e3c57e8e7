#include "core/document/PrintOptionSettings.h"

void PrintOptionSettings::Read()
{
    ReadPrintW2Options(w2_);
    ReadPrintW3Options(w3_);
    ReadPrint1099Options(form1099_);
    ReadPrint1096Options(form1096_);
}

void PrintOptionSettings::Write()
{
    WritePrintW2Options(w2_);
    WritePrintW3Options(w3_);
    WritePrint1099Options(form1099_);
    WritePrint1096Options(form1096_);
}
