#pragma once

// Print options of the 1099-MISC and 1096 jobs, kept like the W-2 ones.

struct Print1099Options {
    double HorizontalOffset = 0;
    double VerticalOffset = 0;
    int HorizontalDirection = 1; // 0 Left, 1 Right
    int VerticalDirection = 1;   // 0 Up, 1 Down
    int PrintTarget = 0;         // 0 current contractor, 1 all contractors
    int PaperType = 1;           // 0 copy on blank paper, 1 pre-printed
    int CopyType = 0;            // index in the copy list

    bool operator==(const Print1099Options&) const = default;
};

struct Print1096Options {
    double HorizontalOffset = 0;
    double VerticalOffset = 0;
    int HorizontalDirection = 1;
    int VerticalDirection = 1;
    int PaperType = 1; // 0 copy on blank paper, 1 pre-printed

    bool operator==(const Print1096Options&) const = default;
};

void ReadPrint1099Options(Print1099Options& options);
void WritePrint1099Options(Print1099Options& options);
void ReadPrint1096Options(Print1096Options& options);
void WritePrint1096Options(Print1096Options& options);
