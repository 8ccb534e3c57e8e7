#pragma once

#include "core/print/PrintChoices.h"

// Print options of the 1099-MISC and 1096 jobs, kept like the W-2 ones.

// The 1099-MISC copies printed on blank paper, in the order of their list.
enum class Form1099CopyType { Copy1 = 0, CopyB = 1, Copy2 = 2, CopyC = 3 };

struct Print1099Options {
    double HorizontalOffset = 0;
    double VerticalOffset = 0;
    int HorizontalDirection = kRightOrDown;
    int VerticalDirection = kRightOrDown;
    PrintTarget Target = PrintTarget::Current;
    PaperType Paper = PaperType::Preprinted; // Blank or Preprinted
    Form1099CopyType Copy = Form1099CopyType::Copy1;

    bool operator==(const Print1099Options&) const = default;
};

struct Print1096Options {
    double HorizontalOffset = 0;
    double VerticalOffset = 0;
    int HorizontalDirection = kRightOrDown;
    int VerticalDirection = kRightOrDown;
    PaperType Paper = PaperType::Preprinted; // Blank or Preprinted

    bool operator==(const Print1096Options&) const = default;
};

void ReadPrint1099Options(Print1099Options& options);
void WritePrint1099Options(Print1099Options& options);
void ReadPrint1096Options(Print1096Options& options);
void WritePrint1096Options(Print1096Options& options);
