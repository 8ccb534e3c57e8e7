#pragma once

#include "core/store/CompanyData.h"

#include <vector>

// What the benchmarks share: the middle of their timings and a large
// company to time.

// The median (the mean of the two middle values for an even count).
double Median(std::vector<double> values);

// Whether the benchmark runs once at a small size ("--small" among its
// arguments), as the tests run every benchmark, so that none can break
// unnoticed; the full sizes are for timing by hand.
bool SmallRun(int argc, char** argv);

// A company of `n` employees, each with a filled W-2, and `contractors`
// contractors, each with a filled 1099-MISC. The first names are out of id
// order, so the lists' first-name order is a real sort. Every number is
// one of its own and the forms are filled consistently.
CompanyData LargeCompany(int n, int contractors);
