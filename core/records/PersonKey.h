#pragma once

#include <QString>

// What makes two social security numbers, or two contractor identification
// numbers, the same person's: the digits when the number is written with
// digits, dashes and blanks only ("123-45-6789", "123456789" and
// "123 45 6789" are one person), else the exact text. Empty for an empty
// number, which names nobody.
QString PersonKey(const QString& number);
