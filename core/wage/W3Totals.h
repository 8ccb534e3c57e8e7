#pragma once

#include "core/records/FormBoxes.h"
#include "core/store/Records.h"

#include <QString>
#include <QtGlobal>

#include <array>

// The W-3 totals: the number of W-2s and the sums of their money boxes.
// Sums are exact to the cent and shown with two decimals.

// Box c of the W-3: the number of W-2s.
inline constexpr TransmittalBox kW3FormCountBox{0, "FormCount", "c Total number of Forms W-2", 29};

struct W3Totals {
    int formCount = 0; // box c

    // A box the W-2's money boxes add into, by its number on the form (1 to
    // 19); 0 for any other.
    qint64 Cents(int box) const;
    QString Text(int box) const; // "1234.50"; "0.00" for an empty sum
    QString CountText() const;   // box c, "%d"

    void Add(int box, qint64 cents);

private:
    static int Slot(int box);
    std::array<qint64, 20> cents_{};
};

// The totals of the W-2 of each employee, found by the employee's id: a W-2
// without an employee is neither counted nor added.
W3Totals ComputeW3Totals(const EmployeeList& employees, const W2List& w2s);
// The totals of exactly the forms given.
W3Totals ComputeW3Totals(const W2List& w2s);
