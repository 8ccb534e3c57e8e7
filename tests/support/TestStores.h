#pragma once

#include <QString>

// Writes a new company store `folder` + `fileName` holding only its company
// row with `employerName` (the test fails when that can't be done).
void MakeStore(const QString& folder, const QString& fileName, const QString& employerName);
