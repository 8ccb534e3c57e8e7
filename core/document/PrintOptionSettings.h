#pragma once

#include "core/print/ContractorPrintOptions.h"
#include "core/print/WagePrintOptions.h"

// The print options of the four form kinds as the user last chose them:
// read from the settings at the start of a run and written back when a
// company is opened or made and at the end of the run.
class PrintOptionSettings {
public:
    PrintW2Options& W2() { return w2_; }
    PrintW3Options& W3() { return w3_; }
    Print1099Options& Form1099() { return form1099_; }
    Print1096Options& Form1096() { return form1096_; }

    void Read();
    void Write();

private:
    PrintW2Options w2_;
    PrintW3Options w3_;
    Print1099Options form1099_;
    Print1096Options form1096_;
};
