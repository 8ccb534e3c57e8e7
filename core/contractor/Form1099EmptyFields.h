#pragma once

#include "core/store/Records.h"

#include <QString>

// Before printing, the 1099-MISC job warns about forms with empty fields.
// A form is looked at as the 1099-MISC screen shows it: an amount stored
// empty (a form never saved, or saved after Clear) shows as 0.00 there and
// prints nothing, so it is no empty field; the first payer's state number
// shows as it is stored and counts when empty. The second state number and
// box 9 don't count.

bool Form1099HasEmptyFields(const Form1099Record& form);
bool AnyForm1099HasEmptyFields(const Form1099List& forms);

// The Yes/No questions of that warning, for all forms and for the current one.
QString AllFormsEmptyFieldsQuestion();
QString CurrentFormEmptyFieldsQuestion();
