#pragma once

#include <QString>

#include <vector>

// The print options of the four form kinds in the settings store: each
// option record lists its values once, and the same list is read and
// written.

// One settings value of an option record: inches (kept as whole hundredths)
// or a plain number.
struct PrintOptionValue {
    const char* name;
    double* inches = nullptr;
    int* number = nullptr;
};

// Reads the values under the key `keyIndex`; a missing value leaves its
// field as it is.
void ReadPrintOptionValues(int keyIndex, const std::vector<PrintOptionValue>& values);
// Writes the values; an offset negative in memory is made positive first.
void WritePrintOptionValues(int keyIndex, const std::vector<PrintOptionValue>& values);

// Inches kept as whole hundredths. The magnitude is stored (a negative value
// becomes positive, in memory too) and rounded to the nearest hundredth, so
// a value typed with two decimals comes back exactly (0.29 stays 0.29).
void WriteInches(const QString& keyPath, const QString& valueName, double& inches);
// Reads hundredths into `inches`; a missing value leaves it as it is.
void ReadInches(const QString& keyPath, const QString& valueName, double& inches);
