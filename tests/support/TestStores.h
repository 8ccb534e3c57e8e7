#pragma once

#include <QList>
#include <QString>

// Writes a new company store `folder` + `fileName` holding only its company
// row with `employerName` (the test fails when that can't be done).
void MakeStore(const QString& folder, const QString& fileName, const QString& employerName);

// The same with employees and contractors of the given ids, in that order,
// each with a filled-in W-2 or 1099-MISC (W-2 and 1099-MISC ids 100, 101,
// ...), and one row in each of the W3 and Form1096 tables: a company as a
// year of use leaves it.
void MakeStoreWithStaff(const QString& folder, const QString& fileName, const QString& employerName,
                        const QList<int>& employeeIds, const QList<int>& contractorIds);
