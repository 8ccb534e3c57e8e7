#pragma once

#include <QString>

#include <functional>
#include <vector>

// The print options of the four form kinds in the settings store: each
// option record lists its values once, and the same list is read and
// written.

// One settings value of an option record: inches kept as whole hundredths
// (an offset or a space, with the range it may take), or a choice from a
// list kept as its number. A stored value outside its range or list is
// taken as missing: the record keeps what it holds.
struct PrintOptionValue {
    const char* name = "";
    double* inches = nullptr;
    double minInches = 0;
    double maxInches = 0;
    std::function<int()> number; // a choice's number
    std::function<void(int)> setNumber;
    int choiceCount = 0; // numbers 0 .. choiceCount - 1
};

// An inches value between `min` and `max`.
PrintOptionValue InchesValue(const char* name, double& inches, double min, double max);

// A choice from the `count` numbers 0 .. count - 1: an int or an enum.
template <class Choice>
PrintOptionValue ChoiceValue(const char* name, Choice& choice, int count)
{
    PrintOptionValue value;
    value.name = name;
    value.number = [&choice] { return int(choice); };
    value.setNumber = [&choice](int number) { choice = Choice(number); };
    value.choiceCount = count;
    return value;
}

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
