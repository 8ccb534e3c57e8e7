#pragma once

#include <QString>

// Helpers shared by the print option records of the four form kinds.

// Inches kept as whole hundredths. The magnitude is stored (a negative value
// becomes positive, in memory too) and rounded to the nearest hundredth, so
// a value typed with two decimals comes back exactly (0.29 stays 0.29).
void WriteInches(const QString& keyPath, const QString& valueName, double& inches);
// Reads hundredths into `inches`; a missing value leaves it as it is.
void ReadInches(const QString& keyPath, const QString& valueName, double& inches);
// Reads a number into `value`; a missing value leaves it as it is.
void ReadNumberInto(const QString& keyPath, const QString& valueName, int& value);
