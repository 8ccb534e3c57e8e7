#include "core/wage/W3Totals.h"

#include "core/store/AmountText.h"
#include "core/wage/W2Boxes.h"
#include "core/store/RecordLookup.h"

int W3Totals::Slot(int box)
{
    return box >= 1 && size_t(box) < std::tuple_size_v<decltype(cents_)> ? box : -1;
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
    return code.size() == 1 && QLatin1String(kDeferredCompensationCodes).contains(code.at(0).toUpper());
}

// Every money box of the W-2 adds into the W-3 box its table names; a box
// 12 amount only under a code of deferred compensation. An amount that
// does not read as one adds nothing (the check reports it).
void AddW2(W3Totals& totals, const W2Record& w2)
{
    ++totals.formCount;
    for (const W2Box& box : W2Boxes()) {
        if (box.total == 0)
            continue;
        if (box.totalCode && !IsDeferredCompensationCode(box.totalCode(w2).Text()))
            continue;
        totals.Add(box.total, box.Amount(w2).Cents());
    }
}

} // namespace

W3Totals ComputeW3Totals(const EmployeeList& employees, const W2List& w2s)
{
    W3Totals totals;
    for (const W2Record* w2 :
         FormsOfOwners(employees, &EmployeeRecord::EmployeeUniqueID, w2s, &W2Record::EmployeeUniqueID))
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
