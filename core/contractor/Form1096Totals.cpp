#include "core/contractor/Form1096Totals.h"

#include "core/store/AmountText.h"

QString Form1096Totals::FormCountText() const
{
    return QString::number(formCount);
}

QString Form1096Totals::FederalTaxText() const
{
    return FormatAmountCents(federalTaxCents);
}

QString Form1096Totals::ReportedText() const
{
    return FormatAmountCents(reportedCents);
}

Form1096Totals ComputeForm1096Totals(const Form1099List& forms)
{
    Form1096Totals totals;
    totals.formCount = int(forms.size());
    for (const Form1099Record& f : forms) {
        totals.federalTaxCents += ParseAmountCents(f.FederalIncomeTaxWithheld);
        const FixedTextBase* reported[] = {
            &f.Rents,
            &f.Royalities,
            &f.OtherIncome,
            &f.FishingBoatProceeds,
            &f.MedicalAndHealthCarePayments,
            &f.NonemployeeCompensation,
            &f.SubstitutePayments,
            &f.CropInsuranceProceeds,
            &f.ExcessGoldenParachutePayments,
            &f.GrossProceedsPaidToAttorney,
        };
        for (const FixedTextBase* amount : reported)
            totals.reportedCents += ParseAmountCents(amount->Text());
    }
    return totals;
}
