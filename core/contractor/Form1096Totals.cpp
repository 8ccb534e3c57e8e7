#include "core/contractor/Form1096Totals.h"

#include "core/store/AmountText.h"
#include "core/store/RecordLookup.h"

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

namespace {

void AddForm(Form1096Totals& totals, const Form1099Record& f)
{
    ++totals.formCount;
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

} // namespace

Form1096Totals ComputeForm1096Totals(const ContractorList& contractors, const Form1099List& forms)
{
    Form1096Totals totals;
    for (const Form1099Record* form :
         FormsOfOwners(contractors, &ContractorRecord::ContractorUniqueID, forms, &Form1099Record::ContractorUniqueID))
        AddForm(totals, *form);
    return totals;
}

Form1096Totals ComputeForm1096Totals(const Form1099List& forms)
{
    Form1096Totals totals;
    for (const Form1099Record& form : forms)
        AddForm(totals, form);
    return totals;
}
