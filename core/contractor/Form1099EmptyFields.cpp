#include "core/contractor/Form1099EmptyFields.h"

#include <algorithm>

bool Form1099HasEmptyFields(const Form1099Record& f)
{
    // The amounts are never empty on the screen (see the header).
    return f.PayerStateID1.IsEmpty();
}

bool AnyForm1099HasEmptyFields(const Form1099List& forms)
{
    return std::any_of(forms.begin(), forms.end(), Form1099HasEmptyFields);
}

QString AllFormsEmptyFieldsQuestion()
{
    return QStringLiteral("One or more 1099 Forms contain empty fields(s), Do you wish to continue in printing?");
}

QString CurrentFormEmptyFieldsQuestion()
{
    return QStringLiteral("Current 1099 Form contains empty filed(s), Do you wish to continue in printing?");
}
