#include "core/wage/W3Totals.h"

#include "core/store/AmountText.h"
#include "core/store/RecordLookup.h"

const QStringList& DeferredCompensationCodes()
{
    static const QStringList codes = {"D", "E", "F", "G", "H", "S", "Y"};
    return codes;
}

const QStringList& KindOfPayerNames()
{
    static const QStringList names = {
        "941", "CT-1", "Military", "Hshld. emp.", "943", "Medicare govt. emp.", "Third-party sick pay",
    };
    return names;
}

int W3Totals::Slot(int box)
{
    if (box >= 1 && box <= 12)
        return box - 1;
    if (box >= 16 && box <= 19)
        return box - 16 + 12;
    return -1;
}

qint64 W3Totals::Cents(int box) const
{
    const int slot = Slot(box);
    return slot < 0 ? 0 : cents_[size_t(slot)];
}

QString W3Totals::Text(int box) const
{
    return FormatAmountCents(Cents(box));
}

QString W3Totals::CountText() const
{
    return QString::number(formCount);
}

void W3Totals::Add(int box, qint64 cents)
{
    const int slot = Slot(box);
    if (slot >= 0)
        cents_[size_t(slot)] += cents;
}

namespace {

bool IsDeferredCompensationCode(const QString& code)
{
    return !code.isEmpty() && DeferredCompensationCodes().contains(code.toUpper());
}

void AddW2(W3Totals& totals, const W2Record& w2)
{
    ++totals.formCount;
    const FixedTextBase* boxes1to11[] = {
        &w2.Wages,           &w2.FederalIncomeTaxWithdrawal, &w2.SocialSecurityWages,
        &w2.SocialSecurityTaxWithheld, &w2.MedicareWages,    &w2.MedicareTaxWithheld,
        &w2.SocialSecurityTips, &w2.AllocatedTips,           &w2.AdvancEICPayment,
        &w2.DependentCareBenefits, &w2.NonQualifiedPlans,
    };
    for (int i = 0; i < 11; ++i)
        totals.Add(i + 1, ParseAmountCents(boxes1to11[i]->Text()));

    const std::pair<const FixedTextBase*, const FixedTextBase*> box12[] = {
        {&w2.Field12aCode, &w2.Field12aAmount},
        {&w2.Field12bCode, &w2.Field12bAmount},
        {&w2.Field12cCode, &w2.Field12cAmount},
        {&w2.Field12dCode, &w2.Field12dAmount},
    };
    for (const auto& [code, amount] : box12)
        if (IsDeferredCompensationCode(code->Text()))
            totals.Add(12, ParseAmountCents(amount->Text()));

    totals.Add(16, ParseAmountCents(w2.StateWages1) + ParseAmountCents(w2.StateWages2));
    totals.Add(17, ParseAmountCents(w2.StateIncomTax1) + ParseAmountCents(w2.StateIncomTax2));
    totals.Add(18, ParseAmountCents(w2.LocalWages1) + ParseAmountCents(w2.LocalWages2));
    totals.Add(19, ParseAmountCents(w2.LocalIncomeTax1) + ParseAmountCents(w2.LocalIncomeTax2));
}

} // namespace

W3Totals ComputeW3Totals(const EmployeeList& employees, const W2List& w2s)
{
    W3Totals totals;
    for (const W2Record* w2 : FormsOfOwners(employees, &EmployeeRecord::EmployeeUniqueID, w2s, &W2Record::EmployeeUniqueID))
        AddW2(totals, *w2);
    return totals;
}

W3Totals ComputeW3Totals(const W2List& w2s)
{
    W3Totals totals;
    for (const W2Record& w2 : w2s)
        AddW2(totals, w2);
    return totals;
}
