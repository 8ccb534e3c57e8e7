#pragma once

#include "core/store/Records.h"

#include <QString>

// Before printing, the 1099-MISC job warns about forms with empty fields:
// any of the seventeen amounts or the first payer's state number left as
// the empty text (a form saved after Clear). The second state number and
// box 9 don't count.

bool Form1099HasEmptyFields(const Form1099Record& form);
bool AnyForm1099HasEmptyFields(const Form1099List& forms);

// The Yes/No questions of that warning, for all forms and for the current one.
QString AllFormsEmptyFieldsQuestion();
QString CurrentFormEmptyFieldsQuestion();
