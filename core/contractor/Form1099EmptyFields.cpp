#include "core/contractor/Form1099EmptyFields.h"

#include <algorithm>

bool Form1099HasEmptyFields(const Form1099Record& f)
{
    const FixedTextBase* tested[] = {
        &f.Rents,
        &f.Royalities,
        &f.OtherIncome,
        &f.FederalIncomeTaxWithheld,
        &f.FishingBoatProceeds,
        &f.MedicalAndHealthCarePayments,
        &f.NonemployeeCompensation,
        &f.SubstitutePayments,
        &f.CropInsuranceProceeds,
        &f.ExcessGoldenParachutePayments,
        &f.GrossProceedsPaidToAttorney,
        &f.StateTaxWithheld1,
        &f.StateTaxWithheld2,
        &f.StateIncome1,
        &f.StateIncome2,
        &f.Field15A,
        &f.Field15B,
        &f.PayerStateID1,
    };
    return std::any_of(std::begin(tested), std::end(tested), [](const FixedTextBase* t) { return t->IsEmpty(); });
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
