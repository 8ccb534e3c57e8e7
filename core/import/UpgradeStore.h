#pragma once

#include <QString>

// Turns a copy of a previous-edition store into a store of this tax year:
// the tables Version, W2, W3, Form1099 and Form1096 are dropped and created
// anew (Version with its row "1"), every employee gets a blank W-2 (ids 1..n
// in store order) and every contractor a blank 1099-MISC (ids 1..m);
// Company, Employees and Contractors keep their rows. The first statement
// that fails fails the upgrade, so a store with another header or without
// one of the dropped tables can't be upgraded. All of it is one
// transaction: a failed upgrade leaves the file as it was.
bool UpgradeStore(const QString& path);
