#pragma once

// Print options of the W-2 and W-3 jobs. One set serves every company; they
// live in the document for the run and in the settings store between runs.
// Offsets are inches: a magnitude with a direction in the store, signed
// (negative = Left / Up) after a print options dialog was confirmed.

struct PrintW2Options {
    double HorizontalOffset = 0;
    double VerticalOffset = 0;
    double VerticalSpace = 1.25; // between the top and bottom forms, 0.75 .. 1.75
    int HorizontalDirection = 1; // 0 Left, 1 Right
    int VerticalDirection = 1;   // 0 Up, 1 Down
    int PrintTarget = 0;         // 0 current employee, 1 all employees
    int PaperType = 1;           // 0 blank paper, 1 pre-printed
    int BlankCopyType = 0;       // 0..4 index in W2CopyNames, 5 laser substitute for Copy A

    bool operator==(const PrintW2Options&) const = default;
};

struct PrintW3Options {
    double HorizontalOffset = 0;
    double VerticalOffset = 0;
    int HorizontalDirection = 1;
    int VerticalDirection = 1;
    int PaperType = 1; // 0 copy on blank paper, 1 pre-printed, 2 laser substitute

    bool operator==(const PrintW3Options&) const = default;
};

// Settings values are hundredths of an inch; a missing value keeps what the
// record holds.
void ReadPrintW2Options(PrintW2Options& options);
void WritePrintW2Options(PrintW2Options& options);
void ReadPrintW3Options(PrintW3Options& options);
void WritePrintW3Options(PrintW3Options& options);
