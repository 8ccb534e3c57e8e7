#include "core/contractor/Form1096Totals.h"

#include "core/contractor/Form1099Boxes.h"
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

QString Form1096Totals::Text(int box) const
{
    if (box == kForm1096FormCountBox.number)
        return FormCountText();
    if (box == kForm1096FederalTax.number)
        return FederalTaxText();
    return box == kForm1096Reported.number ? ReportedText() : QString();
}

namespace {

// The 1096 adds the federal income tax withheld (its box 4) and the
// amounts reported (its box 5) as the 1099-MISC's box table names them.
void AddForm(Form1096Totals& totals, const Form1099Record& f)
{
    ++totals.formCount;
    for (const Form1099Box& box : Form1099Boxes()) {
        if (box.totalBox == &kForm1096FederalTax)
            totals.federalTaxCents += box.Amount(f).Cents();
        else if (box.totalBox == &kForm1096Reported)
            totals.reportedCents += box.Amount(f).Cents();
    }
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
