#pragma once

#include "core/print/PrintChoices.h"

// Print options of the W-2 and W-3 jobs. One set serves every company; they
// live in the document for the run and in the settings store between runs.
// Offsets are inches: a magnitude with a direction in the store, signed
// (negative = Left / Up) after a print options dialog was confirmed.

// The W-2 copies printed on blank paper, and the full-page laser substitute
// for Copy A.
enum class W2CopyType { Copy1 = 0, Copy2 = 1, CopyB = 2, CopyC = 3, CopyD = 4, LaserCopyA = 5 };

struct PrintW2Options {
    double HorizontalOffset = 0;
    double VerticalOffset = 0;
    double VerticalSpace = 1.25; // between the top and bottom forms, 0.75 .. 1.75
    int HorizontalDirection = kRightOrDown;
    int VerticalDirection = kRightOrDown;
    PrintTarget Target = PrintTarget::Current;
    PaperType Paper = PaperType::Preprinted;  // Blank or Preprinted
    W2CopyType BlankCopy = W2CopyType::Copy1; // with blank paper

    bool operator==(const PrintW2Options&) const = default;
};

struct PrintW3Options {
    double HorizontalOffset = 0;
    double VerticalOffset = 0;
    int HorizontalDirection = kRightOrDown;
    int VerticalDirection = kRightOrDown;
    PaperType Paper = PaperType::Preprinted; // any of the three

    bool operator==(const PrintW3Options&) const = default;
};

// Settings values are hundredths of an inch; a missing value, or one outside
// its range or list, keeps what the record holds.
void ReadPrintW2Options(PrintW2Options& options);
void WritePrintW2Options(PrintW2Options& options);
void ReadPrintW3Options(PrintW3Options& options);
void WritePrintW3Options(PrintW3Options& options);
